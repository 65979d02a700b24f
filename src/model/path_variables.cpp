#include "model/path_variables.h"

#include <functional>
#include <optional>

#include "model/registry_object.h"
#include "model/system_locations.h"
#include "model/text_search.h"

namespace halvex::model {

std::string ExpandPathVariables(platform::Locale& locale, platform::FileSystem& files,
                                platform::Registry& registry, std::string_view text) {
  struct Variable {
    std::string_view name;
    std::function<std::string()> value;  // asked only when the variable occurs
  };
  const Variable variables[] = {
      {"%systemroot%", [&] { return files.WindowsFolder(); }},
      {"%windir%", [&] { return files.WindowsFolder(); }},
      {"%ProgramFiles%",
       [&] { return ReadProgramFilesDir(registry, ProgramFilesKind::ProgramFiles); }},
  };
  std::string result(text);
  for (const Variable& variable : variables) {
    const std::string upperName = locale.Upper(variable.name);
    const std::string upperText = locale.Upper(result);
    if (!Contains(upperText, upperName)) continue;
    result = ReplaceAll(upperText, upperName, locale.Upper(variable.value()));
  }
  return result;
}

namespace {

// A setting that cannot be read as text is as good as missing: the variable stays in the path.
std::string ReadSettingOrEmpty(platform::Registry& registry, ProgramFilesKind kind) {
  try {
    return ReadProgramFilesDir(registry, kind);
  } catch (const RegistryError&) {
    return {};
  }
}

// Replaces every occurrence of `name`, found without regard to case, by `value`. Upper-casing
// keeps the length of an 8-bit text, so positions found in the upper-cased text hold in `text`.
std::string ReplaceNoCase(platform::Locale& locale, const std::string& text, std::string_view name,
                          const std::string& value) {
  const std::string upperText = locale.Upper(text);
  const std::string upperName = locale.Upper(name);
  std::string result;
  std::size_t from = 0;
  for (std::size_t at; (at = upperText.find(upperName, from)) != std::string::npos;
       from = at + upperName.size()) {
    result.append(text, from, at - from);
    result += value;
  }
  result.append(text, from);
  return result;
}

// The Windows folder without a closing backslash, so that "%SystemRoot%\x" never holds two.
std::string WindowsFolderToJoin(platform::FileSystem& files) {
  std::string folder = files.WindowsFolder();
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

}  // namespace

std::optional<std::string> PathToTest(platform::Locale& locale, platform::FileSystem& files,
                                      platform::Registry& registry, std::string_view text) {
  std::string path;
  for (const char c : text) {
    if (c != '"') path += c;
  }
  if (path.find('%') == std::string::npos) return path;

  struct Variable {
    std::string_view name;
    std::function<std::string()> value;  // asked only when the variable occurs
  };
  const Variable variables[] = {
      {"%SystemRoot%", [&] { return WindowsFolderToJoin(files); }},
      {"%windir%", [&] { return WindowsFolderToJoin(files); }},
      {"%ProgramFiles%",
       [&] { return ReadSettingOrEmpty(registry, ProgramFilesKind::ProgramFiles); }},
      {"%CommonProgramFiles%",
       [&] { return ReadSettingOrEmpty(registry, ProgramFilesKind::CommonFiles); }},
      {"%SystemDrive%", [&] { return files.WindowsFolder().substr(0, 2); }},
  };
  for (const Variable& variable : variables) {
    if (!ContainsNoCase(locale, path, variable.name)) continue;
    const std::string value = variable.value();
    // An unknown folder leaves the variable in place, so the path is passed over.
    if (value.empty()) continue;
    path = ReplaceNoCase(locale, path, variable.name, value);
  }
  if (path.find('%') != std::string::npos) return std::nullopt;
  return path;
}

}  // namespace halvex::model
