#include "model/text_search.h"

namespace halvex::model {

bool ContainsNoCase(platform::Locale& locale, std::string_view text, std::string_view part) {
  return Contains(locale.Upper(text), locale.Upper(part));
}

bool EqualsNoCase(platform::Locale& locale, std::string_view a, std::string_view b) {
  return locale.Upper(a) == locale.Upper(b);
}

std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with) {
  if (what.empty()) return std::string(text);
  std::string result;
  std::size_t from = 0;
  for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, from)) {
    result.append(text.substr(from, at - from)).append(with);
    from = at + what.size();
  }
  result.append(text.substr(from));
  return result;
}

}  // namespace halvex::model
