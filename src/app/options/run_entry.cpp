#include "app/options/run_entry.h"

#include "model/path_text.h"
#include "model/registry_object.h"
#include "model/settings.h"
#include "model/text_search.h"

namespace halvex::app {
namespace {

// The value is named by the executable's file name, extension included ("Halvex.exe").
std::string ValueName(std::string_view executablePath) {
  return std::string(model::FileNamePart(executablePath));
}

bool OpenRunKey(model::RegistryObject& key, bool create) {
  key.SetRootKey(platform::RootKey::LocalMachine);
  return key.OpenKey(kRunKey, create);
}

}  // namespace

std::string RunEntryText(std::string_view executablePath) {
  const std::string path(executablePath);
  return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

bool IsOwnRunEntry(platform::Locale& locale, std::string_view text,
                   std::string_view executablePath) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    text = text.substr(1, text.size() - 2);
  }
  return !executablePath.empty() && model::EqualsNoCase(locale, text, executablePath);
}

bool ReadRunAtStartup(platform::Registry& registry, platform::Locale& locale,
                      std::string_view executablePath) {
  model::RegistryObject key(registry);
  if (!OpenRunKey(key, /*create=*/false)) return false;
  return IsOwnRunEntry(locale, model::ReadSetting(key, ValueName(executablePath)), executablePath);
}

bool WriteRunAtStartup(platform::Registry& registry, std::string_view executablePath, bool run) {
  model::RegistryObject key(registry);
  if (!OpenRunKey(key, /*create=*/true)) return false;
  const std::string name = ValueName(executablePath);
  if (name.empty()) return false;  // the empty name would be the key's default value
  if (run) return key.WriteString(name, RunEntryText(executablePath));
  if (!key.ValueExists(name)) return true;
  // The value under the program's name is the program's entry even when an older install left
  // another path in it; unticking removes it, or nothing could.
  return key.DeleteValue(name);
}

}  // namespace halvex::app
