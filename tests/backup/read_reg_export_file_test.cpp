// Reading a registry export file back into key and value lines: the program's own files in
// both encodings, and what the registry editor writes.
#include "backup/read_reg_export_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/scratch_machine.h"

namespace halvex::testing {
namespace {

using backup::TDetailBackup;
using ::testing::ElementsAre;

std::string Utf16File(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text)
    bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  return bytes;
}

TDetailBackup Entry(std::string key, std::string value = "") {
  return {true, std::move(key), std::move(value)};
}

TEST(ReadRegExportFile, GivesOneEntryPerValueLine) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<TDetailBackup> entries;
  };
  const Case cases[] = {
      {"the program's backup layout",
       "REGEDIT4\r\n[A]\r\n\"x\"=dword:00000001\r\n[B]\r\n\"y\"=\"t\"\r\n",
       {Entry("[A]", "\"x\"=dword:00000001"), Entry("[B]", "\"y\"=\"t\"")}},
      {"two value lines of one key line keep both",
       "Windows Registry Editor Version 5.00\r\n[A]\r\n\"x\"=\"1\"\r\n\"y\"=\"2\"\r\n[B]\r\n",
       {Entry("[A]", "\"x\"=\"1\""), Entry("[A]", "\"y\"=\"2\""), Entry("[B]")}},
      {"blank lines, comments, LF and CR line ends",
       "REGEDIT4\n\n; a comment\r[A]\n  \t\n@=\"d\"",
       {Entry("[A]", "@=\"d\"")}},
      {"a value line before the first key line is dropped",
       "REGEDIT4\r\n\"x\"=\"1\"\r\n[A]\r\n",
       {Entry("[A]")}},
      {"brackets inside a value line do not make it a key line",
       "REGEDIT4\r\n[A]\r\n\"x\"=\"[1]\"\r\n",
       {Entry("[A]", "\"x\"=\"[1]\"")}},
      {"continued hex data is one value line",
       "REGEDIT4\r\n[A]\r\n\"b\"=hex:01,02,\\\r\n  03,04,\\\r\n  05\r\n\"c\"=dword:00000001\r\n",
       {Entry("[A]", "\"b\"=hex:01,02,03,04,05"), Entry("[A]", "\"c\"=dword:00000001")}},
      {"a backslash at the end of a comment continues nothing",
       "REGEDIT4\r\n[A]\r\n\"x\"=\"1\" ; c:\\\r\n[B]\r\n\"y\"=\"2\"\r\n",
       {Entry("[A]", "\"x\"=\"1\" ; c:\\"), Entry("[B]", "\"y\"=\"2\"")}},
      {"a backslash at the end of a string continues nothing",
       "REGEDIT4\r\n[A]\r\n\"x\"=\"c:\\\\\"\r\n[B]\r\n",
       {Entry("[A]", "\"x\"=\"c:\\\\\""), Entry("[B]")}},
      {"hex data continues past a comment after the backslash, blank lines and comment lines",
       "REGEDIT4\r\n[A]\r\n\"b\"=hex:01,\\ ; more\r\n\r\n; note\r\n  02\r\n[B]\r\n",
       {Entry("[A]", "\"b\"=hex:01,02"), Entry("[B]")}},
      {"an empty file", "", {}},
      {"an empty header line", "\r\n[A]\r\n\"x\"=\"1\"\r\n", {Entry("[A]", "\"x\"=\"1\"")}},
  };
  platform::substitute::SubstituteLocale locale;
  for (const Case& c : cases) {
    EXPECT_EQ(backup::ParseRegExportText(c.text, locale), c.entries) << c.what;
  }
}

TEST(ReadRegExportFile, ReadsUtf16FilesThroughTheCodePage) {
  platform::substitute::SubstituteLocale locale;
  const std::string bytes = Utf16File(
      u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\M\u00FCller]\r\n"
      u"\"\u20AC\"=dword:00000001\r\n");
  EXPECT_THAT(backup::ParseRegExportText(bytes, locale),
              ElementsAre(Entry("[HKEY_CURRENT_USER\\M\xFCller]", "\"\x80\"=dword:00000001")));
}

TEST(ReadRegExportFile, KnowsAFileByItsHeader) {
  platform::substitute::SubstituteLocale locale;
  EXPECT_TRUE(backup::StartsWithRegExportHeader("REGEDIT4\r\n", locale));
  EXPECT_TRUE(backup::StartsWithRegExportHeader(
      Utf16File(u"Windows Registry Editor Version 5.00\r\n\r\n[A]\r\n"), locale));
  EXPECT_FALSE(backup::StartsWithRegExportHeader("", locale));
  EXPECT_FALSE(backup::StartsWithRegExportHeader("\r\nREGEDIT4\r\n", locale));
  EXPECT_FALSE(backup::StartsWithRegExportHeader("[A]\r\n", locale));
}

TEST(ReadRegExportFile, ReadsTheFileOrSaysItCannot) {
  ScratchMachine machine;
  machine.AddFile("C:\\b.reg", "REGEDIT4\r\n[A]\r\n");
  EXPECT_EQ(backup::ReadRegExportFile(machine.files(), machine.locale, "C:\\b.reg"),
            std::vector<TDetailBackup>{Entry("[A]")});
  EXPECT_EQ(backup::ReadRegExportFile(machine.files(), machine.locale, "C:\\none.reg"),
            std::nullopt);
}

}  // namespace
}  // namespace halvex::testing
