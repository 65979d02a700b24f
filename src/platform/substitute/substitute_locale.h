#pragma once
// The locale of the substitute machine: its code page is fixed when the machine is made, and
// dates and times always show in one form, "mm/dd/yyyy hh:nn:ss" (month first, 24-hour clock,
// every field zero-padded), so that outputs are the same on every host.
#include "platform/locale.h"
#include "platform/substitute/code_page.h"

namespace halvex::platform::substitute {

class SubstituteLocale final : public Locale {
 public:
  explicit SubstituteLocale(
      const substitute::CodePage& codePage = substitute::CodePage::Windows1252())
      : codePage_(codePage) {}

  const substitute::CodePage& codePage() const { return codePage_; }

  unsigned CodePage() override { return codePage_.number(); }
  std::string Upper(std::string_view text) override { return codePage_.Upper(text); }
  bool IsLeadByte(char byte) override { return codePage_.IsLeadByte(byte); }
  std::optional<char16_t> DoubleByteToUtf16(char lead, char trail) override {
    return codePage_.DoubleByteToUtf16(lead, trail);
  }
  std::string ToUtf8(std::string_view text) override;
  std::u16string ToUtf16(std::string_view text) override { return codePage_.ToUtf16(text); }
  std::string FromUtf16(std::u16string_view text) override { return codePage_.FromUtf16(text); }
  // Empty for a time the calendar does not have, as the system refuses to format one.
  std::string FormatDateTime(const LocalTime& time) override;

 private:
  const substitute::CodePage& codePage_;
};

}  // namespace halvex::platform::substitute
