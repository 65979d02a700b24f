#pragma once
// The system's code page and the regional formats the program shows.
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace halvex::platform {

class Locale {
 public:
  virtual ~Locale() = default;

  virtual unsigned CodePage() = 0;
  // The system's ANSI upper-casing, which every case-insensitive comparison uses.
  virtual std::string Upper(std::string_view text) = 0;
  // Double-byte code pages: whether the byte starts a two-byte character, and that character
  // (nullopt when the bytes form none, and always in a single-byte code page).
  virtual bool IsLeadByte(char byte) = 0;
  virtual std::optional<char16_t> DoubleByteToUtf16(char lead, char trail) = 0;
  // The text in UTF-8, for output outside the system (JSON, consoles).
  virtual std::string ToUtf8(std::string_view text) = 0;
  // The text as UTF-16 through the system code page, every byte of 0x80 and above included,
  // as the system's A calls convert it; bytes that form no character become '?'.
  virtual std::u16string ToUtf16(std::string_view text) = 0;
  // UTF-16 in the system code page; characters it cannot hold become '?'.
  virtual std::string FromUtf16(std::u16string_view text) = 0;
  // The system's short date and long time, joined by a blank ("10/12/2026 10:51:59 AM");
  // empty for a time the calendar does not have, which the system refuses to format.
  virtual std::string FormatDateTime(const LocalTime& time) = 0;
};

}  // namespace halvex::platform
