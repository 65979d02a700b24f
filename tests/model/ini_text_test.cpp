// One value of an INI file's text, as the system's profile reader finds it.
#include "model/ini_text.h"

#include <gtest/gtest.h>

#include "platform/substitute/substitute_locale.h"

namespace halvex::model {
namespace {

struct IniCase {
  const char* what;
  const char* text;
  const char* value;  // of "Ver" in "[Version]"
};

TEST(IniTextTest, FindsTheValueAsTheProfileReaderDoes) {
  const IniCase cases[] = {
      {"plain", "[Version]\r\nVer=3.1\r\n", "3.1"},
      {"other sections around", "[Notes]\r\nVer=9\r\n[Version]\r\nVer=3.1\r\n[Other]\r\nVer=8\r\n",
       "3.1"},
      {"names without regard to case", "[VERSION]\r\nver=3.1\r\n", "3.1"},
      {"blanks around names and value", "  [ Version ]  \r\n  Ver  =  3.1  \r\n", "3.1"},
      {"quotes around the value", "[Version]\r\nVer=\"3.1\"\r\n", "3.1"},
      {"the first key counts", "[Version]\r\nVer=3.1\r\nVer=4.0\r\n", "3.1"},
      {"the first section counts", "[Version]\r\nOther=1\r\n[Version]\r\nVer=4.0\r\n", ""},
      {"a comment is no key", "[Version]\r\n;Ver=4.0\r\nVer=3.1\r\n", "3.1"},
      {"LF line ends and no end at all", "[Version]\nVer=3.1", "3.1"},
      {"a UTF-8 mark before the first section", "\xEF\xBB\xBF[Version]\r\nVer=3.1\r\n", "3.1"},
      {"an equals sign in the value", "[Version]\r\nVer=3=1\r\n", "3=1"},
      {"key missing", "[Version]\r\nVersion=3.1\r\n", ""},
      {"section missing", "[Versions]\r\nVer=3.1\r\n", ""},
      {"key before any section", "Ver=3.1\r\n[Version]\r\n", ""},
      {"empty value", "[Version]\r\nVer=\r\n", ""},
      {"empty text", "", ""},
      {"no INI at all", "<html><body>Not Found</body></html>", ""},
  };
  platform::substitute::SubstituteLocale locale;
  for (const IniCase& c : cases) {
    EXPECT_EQ(ReadIniValue(locale, c.text, "Version", "Ver"), c.value) << c.what;
  }
}

}  // namespace
}  // namespace halvex::model
