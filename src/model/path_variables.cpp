#include "model/path_variables.h"

#include <functional>

#include "model/system_locations.h"
#include "model/text_search.h"

namespace halvex::model {

std::string ExpandPathVariables(platform::Locale& locale, platform::FileSystem& files,
                                platform::Registry& registry, std::string_view text) {
  // Every variable is written between percent signs; most texts hold none.
  if (text.find('%') == std::string_view::npos) return std::string(text);
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

}  // namespace halvex::model
