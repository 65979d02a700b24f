// The platform locale, checked the same way on every binding; the machines under test use the
// Windows-1252 code page (Wine's default, the substitute's default).
#include <gtest/gtest.h>

#include "tests/platform/platform_bindings.h"

namespace halvex::testing {
namespace {

class LocaleContract : public ::testing::TestWithParam<LocaleBinding> {
 protected:
  void SetUp() override {
    locale_ = GetParam().make();
    ASSERT_EQ(locale_->CodePage(), 1252u) << "these cases are written for Windows-1252";
  }
  platform::Locale& locale() { return *locale_; }

 private:
  std::unique_ptr<platform::Locale> locale_;
};

TEST_P(LocaleContract, UpperCasesAsciiAndWindows1252Letters) {
  struct Case {
    std::string text, upper;
  };
  const Case cases[] = {
      {"", ""},
      {"c:\\program files\\app.exe", "C:\\PROGRAM FILES\\APP.EXE"},
      {"MiXeD 123 _-.~", "MIXED 123 _-.~"},
      {"\xE4\xF6\xFC\xE9\xE7\xF1", "\xC4\xD6\xDC\xC9\xC7\xD1"},  // äöüéçñ
      {"\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F"},                  // šœžÿ
      {"\xDF\xB5\xF7", "\xDF\xB5\xF7"},  // ß and µ have no 8-bit capital, ÷ is no letter
      {std::string("a\0b", 3), std::string("A\0B", 3)},
  };
  for (const Case& c : cases) EXPECT_EQ(locale().Upper(c.text), c.upper) << c.text;
}

TEST_P(LocaleContract, Windows1252HasNoLeadBytes) {
  for (int byte = 0; byte < 256; ++byte) {
    EXPECT_FALSE(locale().IsLeadByte(char(byte))) << "byte " << byte;
  }
  EXPECT_EQ(locale().DoubleByteToUtf16('\x81', '\x40'), std::nullopt);
}

TEST_P(LocaleContract, ConvertsToUtf8) {
  EXPECT_EQ(locale().ToUtf8(""), "");
  EXPECT_EQ(locale().ToUtf8("plain"), "plain");
  EXPECT_EQ(locale().ToUtf8("M\xFCller \x80 \x93q\x94"),
            "M\xC3\xBCller \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D");  // Müller € “q”
}

TEST_P(LocaleContract, ConvertsToAndFromUtf16ThroughTheCodePage) {
  struct Case {
    std::string narrow;
    std::u16string wide;
  };
  const Case cases[] = {
      {"", u""},
      {"%SystemRoot%", u"%SystemRoot%"},
      {std::string("a\0b\0", 4), std::u16string(u"a\0b\0", 4)},
      // Bytes of 0x80 and above are the code page's characters, not Latin-1 code points.
      {"\x80 \x93q\x94 \x9A", u"\u20AC \u201Cq\u201D \u0161"},
      {"M\xFCller \xE9", u"M\u00FCller \u00E9"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(locale().ToUtf16(c.narrow), c.wide) << c.narrow;
    EXPECT_EQ(locale().FromUtf16(c.wide), c.narrow) << c.narrow;
  }
  // A character that Windows-1252 cannot hold.
  EXPECT_EQ(locale().FromUtf16(u"x\u4E2Dy"), "x?y");
}

TEST_P(LocaleContract, FormatsDateAndTimeWithTheYear) {
  const std::string text = locale().FormatDateTime({2026, 10, 12, 10, 51, 59, 0});
  EXPECT_NE(text.find("2026"), std::string::npos) << text;
  EXPECT_NE(text.find("51"), std::string::npos) << text;
  EXPECT_NE(locale().FormatDateTime({2026, 10, 12, 10, 52, 59, 0}), text);
  // The system refuses a date the calendar does not have.
  EXPECT_EQ(locale().FormatDateTime({2026, 13, 40, 10, 51, 59, 0}), "");
  EXPECT_EQ(locale().FormatDateTime({2026, 10, 12, 25, 51, 59, 0}), "");
}

HALVEX_RUN_ON_BINDINGS(LocaleContract, LocaleBindings);

}  // namespace
}  // namespace halvex::testing
