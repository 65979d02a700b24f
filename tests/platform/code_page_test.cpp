// The substitute's code pages beyond what Wine's default one can show: code page 936 with its
// lead bytes, its pairs and its upper-casing that leaves the second byte of a pair alone.
#include "platform/substitute/code_page.h"

#include <gtest/gtest.h>

#include "platform/substitute/code_page_936.h"
#include "platform/substitute/substitute_locale.h"

namespace halvex::platform::substitute {
namespace {

const CodePage& Cp936() {
  return CodePage::Windows936();
}

TEST(CodePageTest, KnowsItsCodePagesByNumber) {
  EXPECT_EQ(CodePage::ForNumber(1252), &CodePage::Windows1252());
  EXPECT_EQ(CodePage::ForNumber(936), &CodePage::Windows936());
  EXPECT_EQ(CodePage::ForNumber(850), nullptr);
  EXPECT_FALSE(CodePage::Windows1252().IsDoubleByte());
  EXPECT_TRUE(Cp936().IsDoubleByte());
}

TEST(CodePageTest, LeadBytesOf936Run0x81To0xFE) {
  for (int byte = 0; byte < 256; ++byte) {
    EXPECT_EQ(Cp936().IsLeadByte(char(byte)), byte >= 0x81 && byte <= 0xFE) << "byte " << byte;
    EXPECT_FALSE(CodePage::Windows1252().IsLeadByte(char(byte))) << "byte " << byte;
  }
  SubstituteLocale locale(Cp936());
  EXPECT_EQ(locale.CodePage(), 936u);
  EXPECT_TRUE(locale.IsLeadByte('\xB0'));
  EXPECT_FALSE(locale.IsLeadByte('a'));
}

TEST(CodePageTest, UpperCasingOf936LeavesTrailBytesAlone) {
  // 0x81 0x61 is one character whose second byte is the code of 'a'.
  EXPECT_EQ(Cp936().Upper("abc\x81"
                          "a.txt"),
            "ABC\x81"
            "a.TXT");
  EXPECT_EQ(Cp936().Upper("\xE4\xF6"), "\xE4\xF6") << "a pair, not two Latin-1 letters";
  EXPECT_EQ(Cp936().Upper("x\xB0"), "X\xB0") << "a lone lead byte at the end";
  EXPECT_TRUE(
      Cp936().EqualNoCase("\x81"
                          "a",
                          "\x81"
                          "a"));
  EXPECT_FALSE(
      Cp936().EqualNoCase("\x81"
                          "a",
                          "\x81"
                          "A"));
  EXPECT_TRUE(Cp936().EqualNoCase("dir\\File.TXT", "DIR\\file.txt"));
}

// The host's iconv gives the pairs natively; builds without it (mingw) have none.
TEST(CodePageTest, ConvertsPairsOf936) {
  ASSERT_TRUE(Has936Table()) << "this host has no CP936 converter in iconv";
  struct Case {
    char lead, trail;
    char16_t wide;
  };
  const Case cases[] = {
      {'\xB0', '\xA1', u'\u554A'},  // 啊, the first GB2312 character
      {'\xC4', '\xE3', u'\u4F60'},  // 你
      {'\xBA', '\xC3', u'\u597D'},  // 好
      {'\x81', '\x40', u'\u4E02'},  // the first GBK extension character
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Cp936().DoubleByteToUtf16(c.lead, c.trail), c.wide) << int(c.wide);
  }
  EXPECT_EQ(Cp936().DoubleByteToUtf16('\x81', '\x7F'), std::nullopt) << "0x7F is no trail byte";
  EXPECT_EQ(Cp936().DoubleByteToUtf16('a', 'b'), std::nullopt) << "no lead byte";
  EXPECT_EQ(CodePage::Windows1252().DoubleByteToUtf16('\xB0', '\xA1'), std::nullopt);

  const std::string text = "C:\\\xC4\xE3\xBA\xC3\\\x80.txt";
  const std::u16string wide = u"C:\\\u4F60\u597D\\\u20AC.txt";
  EXPECT_EQ(Cp936().ToUtf16(text), wide);
  EXPECT_EQ(Cp936().FromUtf16(wide), text);
  EXPECT_EQ(Cp936().FromUtf16(u"\u0E01"), "?") << "936 has no Thai letters";
  EXPECT_EQ(SubstituteLocale(Cp936()).ToUtf8("\xC4\xE3"), "\xE4\xBD\xA0");
}

}  // namespace
}  // namespace halvex::platform::substitute
