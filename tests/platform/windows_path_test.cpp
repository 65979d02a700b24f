// How the substitute takes Windows path texts apart, case by case.
#include "platform/substitute/windows_path.h"

#include <gtest/gtest.h>

namespace halvex::platform::substitute {
namespace {

TEST(WindowsPathTest, ResolvesPathTextsAsTheSystemDoes) {
  struct Case {
    std::string text;
    std::string resolved;  // "" when the text names no place on a drive
    bool endsWithSeparator = false;
  };
  const Case cases[] = {
      {"C:\\WINDOWS\\system32\\x.dll", "C:\\WINDOWS\\system32\\x.dll"},
      {"c:/windows/x.dll", "C:\\windows\\x.dll"},
      {"C:\\dir\\", "C:\\dir", true},
      {"C:\\dir//", "C:\\dir", true},
      {"C:\\a\\\\b", "C:\\a\\b"},
      {"C:\\a\\.\\b\\..\\c", "C:\\a\\c"},
      {"C:\\..\\..\\WINDOWS", "C:\\WINDOWS"},  // nothing climbs above the root
      {"C:\\a\\..\\..\\..\\b", "C:\\b"},
      {"C:", "C:\\"},
      {"C:\\", "C:\\"},
      {"C:\\..", "C:\\"},
      {"C:name.txt", "C:\\name.txt"},  // relative to the root: no current folder
      {"C:\\a.exe .", "C:\\a.exe"},    // trailing dots and blanks of the last name
      {"C:\\dir.\\a", "C:\\dir\\a"},   // one trailing dot of a folder name
      {"C:\\...\\a", "C:\\...\\a"},    // a name of dots alone stays
      {"C:\\ lead\\x", "C:\\ lead\\x"},
      {"\\\\server\\share\\a.txt", ""},
      {"\\WINDOWS\\x.dll", ""},
      {"WINDOWS\\x.dll", ""},
      {"", ""},
      {"1:\\x", ""},
      {"C:\\a\\b?.txt", ""},
      {"C:\\a\\b*.txt", ""},
      {"C:\\a|b", ""},
      {"C:\\a\"b", ""},
      {"C:\\a<b", ""},
      {"C:\\a\tb", ""},
      {"C:\\a:b", ""},
      {"C:\\" + std::string(256, 'x'), "C:\\" + std::string(256, 'x')},
      {"C:\\" + std::string(257, 'x'), ""},  // 260 characters: beyond MAX_PATH
  };
  for (const Case& c : cases) {
    const std::optional<WindowsPath> path = ParseWindowsPath(c.text);
    if (c.resolved.empty()) {
      EXPECT_FALSE(path.has_value()) << c.text << " resolved to " << path->Text();
      continue;
    }
    ASSERT_TRUE(path.has_value()) << c.text;
    EXPECT_EQ(path->Text(), c.resolved) << c.text;
    EXPECT_EQ(path->endsWithSeparator, c.endsWithSeparator) << c.text;
  }
}

TEST(WindowsPathTest, DriveRootsHaveTheirLetterAndNothingElse) {
  EXPECT_EQ(ParseDriveRoot("C:\\"), 'C');
  EXPECT_EQ(ParseDriveRoot("d:"), 'D');
  EXPECT_EQ(ParseDriveRoot("e:/"), 'E');
  for (const char* text : {"", "C", "C:\\WINDOWS", "C:\\\\", "CC:\\", "\\\\server\\"}) {
    EXPECT_EQ(ParseDriveRoot(text), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace halvex::platform::substitute
