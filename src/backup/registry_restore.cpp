#include "backup/registry_restore.h"

#include <optional>
#include <vector>

#include "backup/read_reg_export_file.h"
#include "backup/registry_editor.h"
#include "model/key_naming.h"

namespace halvex::backup {
namespace {

// A key line "[full key path]" or "[-full key path]"; nullopt for a root the program does not
// name, which is not checked. The registry editor takes root names in any letters
// ("hkey_current_user"), so the check reads them so too: a key it skipped would never be
// looked for, and a failed import reported restored.
struct KeyWord {
  model::SplitKeyPath key;
  bool deleted = false;
};
std::optional<KeyWord> KeyOf(std::string_view keyLine, platform::Locale& locale) {
  const std::size_t open = keyLine.find('[');
  const std::size_t close = keyLine.rfind(']');
  if (open == std::string_view::npos || close == std::string_view::npos || close <= open) {
    return std::nullopt;
  }
  std::string_view path = keyLine.substr(open + 1, close - open - 1);
  const bool deleted = path.starts_with('-');
  if (deleted) path.remove_prefix(1);
  const std::size_t slash = path.find('\\');
  const std::string rootName = locale.Upper(path.substr(0, slash));
  model::SplitKeyPath split = model::SplitFullKeyPath(
      rootName + std::string(slash == std::string_view::npos ? "" : path.substr(slash)));
  if (split.root == platform::RootKey::None) return std::nullopt;
  return KeyWord{std::move(split), deleted};
}

std::string_view SkipBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  return text;
}

// A value line "name"=data or "name"=- (@ for the default value); nullopt for a line that names
// no value.
struct ValueWord {
  std::string name;
  bool deleted = false;
};
std::optional<ValueWord> ValueOf(std::string_view valueLine) {
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
  // As the registry editor reads the line: blanks may surround '=', and a '-' with nothing but
  // blanks or a ';' comment after it deletes the value; with other text after it the editor
  // leaves the value as it was, so the line says nothing to check.
  std::string_view data = SkipBlanks(valueLine.substr(at));
  if (!data.starts_with('=')) return std::nullopt;
  data = SkipBlanks(data.substr(1));
  if (!data.starts_with('-')) return ValueWord{std::move(name), false};
  const std::string_view after = SkipBlanks(data.substr(1));
  if (!after.empty() && after.front() != ';') return std::nullopt;
  return ValueWord{std::move(name), true};
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

// The state a file leaves: for each key and value it names, whether its last word keeps it or
// takes it away, in the order the file first names them.
class FileOutcome {
 public:
  explicit FileOutcome(platform::Locale& locale) : locale_(locale) {}

  void SetKey(const model::SplitKeyPath& key, std::string line) {
    // A key brings back every key above it, also one the file deleted before.
    for (Expectation& expected : expectations_) {
      if (!expected.valueName && IsAtOrBelow(key, expected.key)) expected.present = true;
    }
    Say(key, std::nullopt, true, std::move(line));
  }
  void DeleteKey(const model::SplitKeyPath& key, std::string line) {
    for (Expectation& expected : expectations_) {
      if (IsAtOrBelow(expected.key, key)) expected.present = false;
    }
    Say(key, std::nullopt, false, std::move(line));
  }
  void SayValue(const model::SplitKeyPath& key, std::string name, bool present, std::string line) {
    Say(key, std::move(name), present, std::move(line));
  }

  // The line of the first key or value the registry does not hold as the file left it.
  std::string FirstMiss(platform::Registry& registry) const {
    for (const Expectation& expected : expectations_) {
      if (Exists(registry, expected.key, expected.valueName) != expected.present) {
        return expected.line;
      }
    }
    return {};
  }

 private:
  struct Expectation {
    model::SplitKeyPath key;
    std::optional<std::string> valueName;
    bool present = true;
    std::string line;  // the line with the last word
  };

  // Key names compare without regard to case, as the registry compares them.
  bool IsAtOrBelow(const model::SplitKeyPath& inner, const model::SplitKeyPath& outer) {
    if (inner.root != outer.root) return false;
    const std::string innerPath = locale_.Upper(inner.absolutePath);
    const std::string outerPath = locale_.Upper(outer.absolutePath);
    return innerPath == outerPath ||
           (innerPath.size() > outerPath.size() && innerPath.starts_with(outerPath) &&
            innerPath[outerPath.size()] == '\\');
  }
  void Say(const model::SplitKeyPath& key, std::optional<std::string> valueName, bool present,
           std::string line) {
    for (Expectation& expected : expectations_) {
      if (expected.valueName.has_value() != valueName.has_value()) continue;
      if (valueName && locale_.Upper(*expected.valueName) != locale_.Upper(*valueName)) continue;
      if (expected.key.root != key.root ||
          locale_.Upper(expected.key.absolutePath) != locale_.Upper(key.absolutePath)) {
        continue;
      }
      expected.present = present;
      expected.line = std::move(line);
      return;
    }
    expectations_.push_back({key, std::move(valueName), present, std::move(line)});
  }

  platform::Locale& locale_;
  std::vector<Expectation> expectations_;
};

}  // namespace

std::string FirstMissingEntry(platform::Platform& platform, std::string_view fileBytes) {
  FileOutcome outcome(platform.locale);
  for (const TDetailBackup& entry : ParseRegExportText(fileBytes, platform.locale)) {
    const std::optional<KeyWord> key = KeyOf(entry.KeyLine, platform.locale);
    if (!key) continue;
    if (key->deleted) {
      // Value lines below a deletion set nothing: the key they would go into is gone.
      outcome.DeleteKey(key->key, entry.KeyLine);
      continue;
    }
    outcome.SetKey(key->key, entry.KeyLine);
    if (entry.ValueLine.empty()) continue;
    if (std::optional<ValueWord> value = ValueOf(entry.ValueLine)) {
      outcome.SayValue(key->key, std::move(value->name), !value->deleted,
                       entry.KeyLine + " " + entry.ValueLine);
    }
  }
  return outcome.FirstMiss(platform.registry);
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
