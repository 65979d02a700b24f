#pragma once
// The system's code page and regional formats, through the ANSI calls of the running system.
#include "platform/locale.h"

namespace halvex::platform::win32 {

class Win32Locale final : public Locale {
 public:
  unsigned CodePage() override;
  std::string Upper(std::string_view text) override;
  bool IsLeadByte(char byte) override;
  std::optional<char16_t> DoubleByteToUtf16(char lead, char trail) override;
  std::string ToUtf8(std::string_view text) override;
  std::u16string ToUtf16(std::string_view text) override;
  std::string FromUtf16(std::u16string_view text) override;
  // Empty when the system refuses the time (a date the calendar does not have).
  std::string FormatDateTime(const LocalTime& time) override;
};

}  // namespace halvex::platform::win32
