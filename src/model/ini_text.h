#pragma once
// Reading one value of an INI file's text, as the system's profile reader does for the small
// data files the program downloads ("Update.ini").
#include <string>
#include <string_view>

#include "platform/locale.h"

namespace halvex::model {

// The value of `key` in `[section]`; empty when either is missing. Section and key names
// compare without regard to case and ignore surrounding blanks; the first matching section and
// the first matching key in it count. The value loses its surrounding blanks and one pair of
// matching quotes around it. Lines starting with ";" are comments.
std::string ReadIniValue(platform::Locale& locale, std::string_view text, std::string_view section,
                         std::string_view key);

}  // namespace halvex::model
