#pragma once
// Substring tests and replacements on 8-bit texts. Case-insensitive forms upper-case both sides
// with the system's ANSI upper-casing, as every case-insensitive comparison of the program does.
#include <string>
#include <string_view>

#include "platform/locale.h"

namespace halvex::model {

inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool ContainsNoCase(platform::Locale& locale, std::string_view text, std::string_view part);
bool EqualsNoCase(platform::Locale& locale, std::string_view a, std::string_view b);

// Every occurrence of `what`, left to right without overlaps, replaced by `with`; an empty
// `what` changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with);

}  // namespace halvex::model
