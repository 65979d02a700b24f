#include "backup/registry_export.h"

#include <string>

#include "backup/reg_value_line.h"
#include "model/key_naming.h"

namespace halvex::backup {
namespace {

using platform::KeyHandle;
using platform::RegStatus;

ExportOutcome OutcomeOf(RegStatus status) {
  if (status == RegStatus::Ok) return ExportOutcome::Exported;
  return status == RegStatus::NotFound ? ExportOutcome::Missing : ExportOutcome::Failed;
}

// The key opened for reading, and its full key path as the key lines name it.
struct OpenedKey {
  platform::ScopedKey key;
  std::string fullPath;
};

RegStatus OpenForReading(platform::Registry& registry, std::string_view keyPath,
                         OpenedKey& opened) {
  // Only the leading root name goes: a key below it may contain the same text.
  const model::SplitKeyPath split = model::SplitFullKeyPath(keyPath);
  if (split.root == platform::RootKey::None) return RegStatus::NotFound;
  const std::string_view below =
      std::string_view(split.absolutePath).substr(split.absolutePath.empty() ? 0 : 1);
  KeyHandle key;
  const RegStatus status =
      registry.OpenKey(platform::RootHandle(split.root), below, platform::KeyAccess::Read, key);
  if (status != RegStatus::Ok) return status;
  opened.key = platform::ScopedKey(registry, key);
  opened.fullPath = model::RootKeyName(split.root);
  if (!below.empty()) opened.fullPath += "\\" + std::string(below);
  return RegStatus::Ok;
}

// A line break in a key name cannot be written into a key line.
bool CanBeKeyLine(std::string_view fullPath) {
  return fullPath.find_first_of("\r\n") == std::string_view::npos;
}

ExportOutcome ExportTree(RegistrySource source, KeyHandle key, const std::string& fullPath,
                         RegExportLines& file) {
  if (!CanBeKeyLine(fullPath)) return ExportOutcome::Failed;
  platform::Registry& registry = source.registry;
  file.lines.push_back(RegKeyLine(fullPath, file.encoding, source.locale));

  std::string name;
  RegStatus status;
  for (std::uint32_t index = 0; (status = registry.EnumValue(key, index, name)) == RegStatus::Ok;
       ++index) {
    platform::RegValue value;
    if (platform::ReadWholeValue(registry, key, name, value) != RegStatus::Ok) {
      return ExportOutcome::Failed;
    }
    file.lines.push_back(RegValueLine(name, value, file.encoding, source.locale));
  }
  if (status != RegStatus::NoMoreItems) return ExportOutcome::Failed;

  for (std::uint32_t index = 0; (status = registry.EnumKey(key, index, name)) == RegStatus::Ok;
       ++index) {
    KeyHandle child;
    if (registry.OpenKey(key, name, platform::KeyAccess::Read, child) != RegStatus::Ok) {
      return ExportOutcome::Failed;
    }
    const platform::ScopedKey scoped(registry, child);
    const ExportOutcome outcome = ExportTree(source, child, fullPath + "\\" + name, file);
    if (outcome != ExportOutcome::Exported) return ExportOutcome::Failed;
  }
  return status == RegStatus::NoMoreItems ? ExportOutcome::Exported : ExportOutcome::Failed;
}

// The value's name as the key holds it. The registry finds values without regard to case, so a
// record may name one in another spelling ("Upperfilters" for "UpperFilters"); the backup must
// recreate the value under the name it had.
std::string StoredValueName(RegistrySource source, KeyHandle key, std::string_view name) {
  if (name.empty()) return {};
  const std::string upperName = source.locale.Upper(name);
  std::string stored;
  for (std::uint32_t index = 0; source.registry.EnumValue(key, index, stored) == RegStatus::Ok;
       ++index) {
    if (stored.size() == name.size() && source.locale.Upper(stored) == upperName) return stored;
  }
  return std::string(name);
}

}  // namespace

ExportOutcome ExportRegistryValue(RegistrySource source, std::string_view keyPath,
                                  std::string_view valueName, RegExportLines& file) {
  OpenedKey opened;
  const RegStatus open = OpenForReading(source.registry, keyPath, opened);
  if (open != RegStatus::Ok) return OutcomeOf(open);
  if (!CanBeKeyLine(opened.fullPath)) return ExportOutcome::Failed;

  const std::string_view name = model::PlatformValueName(valueName);
  platform::RegValue value;
  const RegStatus read = platform::ReadWholeValue(source.registry, opened.key.get(), name, value);
  if (read != RegStatus::Ok) return OutcomeOf(read);
  file.lines.push_back(RegKeyLine(opened.fullPath, file.encoding, source.locale));
  file.lines.push_back(RegValueLine(StoredValueName(source, opened.key.get(), name), value,
                                    file.encoding, source.locale));
  return ExportOutcome::Exported;
}

ExportOutcome ExportRegistryKeyTree(RegistrySource source, std::string_view keyPath,
                                    RegExportLines& file) {
  OpenedKey opened;
  const RegStatus open = OpenForReading(source.registry, keyPath, opened);
  if (open != RegStatus::Ok) return OutcomeOf(open);
  return ExportTree(source, opened.key.get(), opened.fullPath, file);
}

}  // namespace halvex::backup
