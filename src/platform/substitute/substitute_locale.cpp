#include "platform/substitute/substitute_locale.h"

#include <cstdio>

#include "platform/substitute/civil_time.h"

namespace halvex::platform::substitute {

std::string SubstituteLocale::ToUtf8(std::string_view text) {
  return Utf16ToUtf8(codePage_.ToUtf16(text));
}

std::string SubstituteLocale::FormatDateTime(const LocalTime& time) {
  if (!IsValidTime(time)) return {};
  char text[32];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", time.month, time.day, time.year,
                time.hour, time.minute, time.second);
  return text;
}

}  // namespace halvex::platform::substitute
