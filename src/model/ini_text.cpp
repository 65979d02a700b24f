#include "model/ini_text.h"

#include "model/path_text.h"
#include "model/text_search.h"
#include "platform/text_lines.h"

namespace halvex::model {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::string ReadIniValue(platform::Locale& locale, std::string_view text, std::string_view section,
                         std::string_view key) {
  if (text.starts_with(kUtf8Mark)) text.remove_prefix(kUtf8Mark.size());
  bool inSection = false;
  bool sectionSeen = false;
  for (const std::string_view rawLine : platform::SplitLines(text)) {
    const std::string_view line = platform::TrimText(rawLine);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      // Only the first section of the name counts.
      if (sectionSeen) return {};
      const std::size_t close = line.find(']');
      const std::string_view name = platform::TrimText(
          line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
      inSection = EqualsNoCase(locale, name, section);
      sectionSeen = inSection;
      continue;
    }
    if (!inSection) continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    if (EqualsNoCase(locale, platform::TrimText(line.substr(0, equals)), key)) {
      return std::string(Unquoted(platform::TrimText(line.substr(equals + 1))));
    }
  }
  return {};
}

}  // namespace halvex::model
