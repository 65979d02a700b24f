// versions.ini of a machine folder: what each line gives, what it refuses, and the resources
// the substitute answers from it.
#include <gtest/gtest.h>

#include "platform/substitute/versions_ini.h"

namespace halvex::platform::substitute {
namespace {

TEST(VersionsIni, ReadsFixedVersionTranslationsAndStrings) {
  const auto parsed = ParseVersionsIni(
      "[C:\\Tools\\tray.exe]\nfixed=1.2.3.65535\ntranslation=0409,04E4\ntranslation=0407,04b0\n"
      "CompanyName = Tools Inc. \n[C:\\Other.exe]\n");
  ASSERT_TRUE(std::holds_alternative<VersionTable>(parsed));
  const VersionTable& table = std::get<VersionTable>(parsed);
  ASSERT_EQ(table.size(), 2u);
  const VersionEntry& tray = table[0].second;
  EXPECT_EQ(table[0].first, "C:\\Tools\\tray.exe");
  ASSERT_TRUE(tray.fixed.has_value());
  EXPECT_EQ(tray.fixed->mostSignificant, 0x00010002u);
  EXPECT_EQ(tray.fixed->leastSignificant, 0x0003FFFFu);
  ASSERT_EQ(tray.translations.size(), 2u);
  EXPECT_EQ(tray.translations[0].language, 0x0409);
  EXPECT_EQ(tray.translations[1].codePage, 0x04B0);
  ASSERT_EQ(tray.strings.size(), 1u);
  EXPECT_EQ(tray.strings[0].second, "Tools Inc.");
  EXPECT_FALSE(table[1].second.fixed.has_value());
}

TEST(VersionsIni, NamesTheLineItRefuses) {
  const struct {
    const char* text;
    std::size_t line;
  } cases[] = {
      {"CompanyName=x\n", 1},                  // before any file
      {"[a.exe]\nfixed=1.2.3\n", 2},           // three numbers
      {"[a.exe]\nfixed=1.2.3.65536\n", 2},     // above a word
      {"[a.exe]\ntranslation=0409\n", 2},      // no code page
      {"[a.exe]\ntranslation=0409,XYZ\n", 2},  // not hexadecimal
      {"[a.exe]\nno equals sign\n", 2},
  };
  for (const auto& test : cases) {
    const auto parsed = ParseVersionsIni(test.text);
    ASSERT_TRUE(std::holds_alternative<LineError>(parsed)) << test.text;
    EXPECT_EQ(std::get<LineError>(parsed).line, test.line) << test.text;
  }
}

}  // namespace
}  // namespace halvex::platform::substitute
