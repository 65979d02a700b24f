#include "backup/registry_restore.h"

#include <optional>

#include "backup/read_reg_export_file.h"
#include "backup/registry_editor.h"
#include "model/key_naming.h"

namespace halvex::backup {
namespace {

// The key of a key line "[full key path]"; nullopt for a deletion or a root the program does
// not name, which are not checked.
std::optional<model::SplitKeyPath> KeyOf(std::string_view keyLine) {
  const std::size_t open = keyLine.find('[');
  const std::size_t close = keyLine.rfind(']');
  if (open == std::string_view::npos || close == std::string_view::npos || close <= open) {
    return std::nullopt;
  }
  const std::string_view path = keyLine.substr(open + 1, close - open - 1);
  if (path.starts_with('-')) return std::nullopt;
  model::SplitKeyPath split = model::SplitFullKeyPath(path);
  if (split.root == platform::RootKey::None) return std::nullopt;
  return split;
}

// The value name of a value line, unescaped; nullopt for a deletion ("name"=-) or a line that
// names none.
std::optional<std::string> ValueNameOf(std::string_view valueLine) {
  std::string name;
  std::size_t at = 0;
  if (valueLine.starts_with('@')) {
    at = 1;
  } else if (valueLine.starts_with('"')) {
    for (at = 1; at < valueLine.size() && valueLine[at] != '"'; ++at) {
      if (valueLine[at] == '\\' && at + 1 < valueLine.size()) {
        const char escaped = valueLine[++at];
        name += escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : escaped;
      } else {
        name += valueLine[at];
      }
    }
    if (at == valueLine.size()) return std::nullopt;
    ++at;
  } else {
    return std::nullopt;
  }
  const std::string_view data = valueLine.substr(at);
  if (!data.starts_with('=') || data.substr(1) == "-") return std::nullopt;
  return name;
}

bool Exists(platform::Registry& registry, const model::SplitKeyPath& key,
            const std::optional<std::string>& valueName) {
  const std::string_view below =
      std::string_view(key.absolutePath).substr(key.absolutePath.empty() ? 0 : 1);
  platform::KeyHandle handle;
  if (registry.OpenKey(platform::RootHandle(key.root), below, platform::KeyAccess::Read, handle) !=
      platform::RegStatus::Ok) {
    return false;
  }
  const platform::ScopedKey scoped(registry, handle);
  if (!valueName) return true;
  platform::RegValue value;
  const platform::RegStatus status = registry.QueryValue(handle, *valueName, 0, value);
  return status == platform::RegStatus::Ok || status == platform::RegStatus::MoreData;
}

}  // namespace

std::string FirstMissingEntry(platform::Platform& platform, std::string_view fileBytes) {
  for (const TDetailBackup& entry : ParseRegExportText(fileBytes, platform.locale)) {
    const std::optional<model::SplitKeyPath> key = KeyOf(entry.KeyLine);
    if (!key) continue;
    if (!Exists(platform.registry, *key, std::nullopt)) return entry.KeyLine;
    if (entry.ValueLine.empty()) continue;
    const std::optional<std::string> name = ValueNameOf(entry.ValueLine);
    if (name && !Exists(platform.registry, *key, name)) {
      return entry.KeyLine + " " + entry.ValueLine;
    }
  }
  return {};
}

RestoreResult RestoreRegistryFile(platform::Platform& platform, platform::ProcessRunner& processes,
                                  std::string_view file, const std::function<void()>& pump) {
  RestoreResult result;
  const std::optional<std::string> bytes = platform.files.ReadFile(file);
  if (!bytes) return result;
  if (!StartsWithRegExportHeader(*bytes, platform.locale)) {
    result.status = RestoreStatus::NotRegFile;
    return result;
  }
  const platform::ProcessExit exit = processes.RunHidden(RegistryImportCommand(file), pump);
  result.exitCode = exit.exitCode;
  if (!exit.started) {
    result.status = RestoreStatus::NoEditor;
  } else if (exit.exitCode != 0) {
    result.status = RestoreStatus::EditorFailed;
  } else {
    result.missing = FirstMissingEntry(platform, *bytes);
    result.status = result.missing.empty() ? RestoreStatus::Restored : RestoreStatus::NotInRegistry;
  }
  return result;
}

}  // namespace halvex::backup
