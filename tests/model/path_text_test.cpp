#include "model/path_text.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text_lines.h"

namespace halvex::model {
namespace {

TEST(PathText, FolderNameAndExtensionSplitAtTheLastBackslashOrColon) {
  struct Case {
    const char* text;
    const char* folder;
    const char* name;
    const char* extension;
  };
  const Case cases[] = {
      {"C:\\App\\a.exe", "C:\\App\\", "a.exe", ".exe"},
      {"a.exe", "", "a.exe", ".exe"},
      {"C:a.b.c", "C:", "a.b.c", ".c"},
      {"C:\\dir.x\\file", "C:\\dir.x\\", "file", ""},
      {"C:\\App\\", "C:\\App\\", "", ""},
      {"name.", "", "name.", "."},
      {"", "", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderPart(c.text), c.folder) << c.text;
    EXPECT_EQ(FileNamePart(c.text), c.name) << c.text;
    EXPECT_EQ(ExtensionPart(c.text), c.extension) << c.text;
  }
}

TEST(PathText, TrimRemovesBlanksAndControlCharactersOnly) {
  EXPECT_EQ(platform::TrimText(" \t x y \r\n"), "x y");
  EXPECT_EQ(platform::TrimText("\x01\x1f"), "");
  EXPECT_EQ(platform::TrimText("\xA0x\xA0"), "\xA0x\xA0")
      << "a no-break space of the code page is no blank";
}

TEST(PathText, NameAndExtensionMustBothBeThere) {
  struct Case {
    const char* text;
    bool expected;
  };
  const Case cases[] = {
      {"C:\\a.exe", true},  {"a.", true},          {"C:\\a", false},
      {"C:\\dir\\", false}, {"C:\\d.x\\a", false}, {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(HasNameAndExtension(c.text), c.expected) << c.text;
}

TEST(PathText, ValidNameTextsHaveNoForbiddenCharacterAndAtMost260Characters) {
  EXPECT_TRUE(IsValidNameText("C:\\Program Files\\App"));
  EXPECT_FALSE(IsValidNameText("C:\\Program Files\\App\\a.exe")) << "the dot";
  EXPECT_TRUE(IsValidNameText(std::string(260, 'x')));
  EXPECT_FALSE(IsValidNameText(std::string(261, 'x')));
  EXPECT_TRUE(IsValidNameText(""));
  for (const char forbidden : std::string_view("/*?\"<>|;.+-&@!,%")) {
    EXPECT_FALSE(IsValidNameText(std::string("C:\\App") + forbidden + "x")) << forbidden;
  }
}

TEST(PathText, SingleColonToleratesAColonAtTheEnd) {
  struct Case {
    const char* text;
    bool expected;
  };
  const Case cases[] = {
      {"C:\\a.exe", true}, {"a.exe", true},        {"C:\\a.exe:", true},
      {"C::", true},       {"C:\\a D:\\b", false}, {"::x", false},
  };
  for (const Case& c : cases) EXPECT_EQ(HasSingleColon(c.text), c.expected) << c.text;
}

TEST(PathText, PlausibleFilePaths) {
  struct Case {
    const char* text;
    bool expected;
  };
  const Case cases[] = {
      {"C:\\App\\a.exe", true},
      {"c:\\App\\a.exe", true},
      {"\"C:\\App\\a.exe\"", false},  // begins with a blank once the quotes are blanks
      {"C:\\App\\a", false},          // no extension
      {"C:\\App\\a.exe,1", false},    // comma
      {"C:\\App\\a.exe /S", false},   // slash
      {"%windir%\\a.exe", false},
      {"C:\\App\\a.exe D:\\b.exe", false},  // two colons
      {"C:\\App\\", false},                 // no file name
      {" C:\\App\\a.exe", false},           // the first two characters are " C"
      {"\\\\server\\a.exe", false},
      {"o:\\a.exe", false},  // the drive letter list has "o;" where "o:" belongs
      {"O:\\a.exe", true},
      {":b\\a.exe", true},  // any two consecutive characters of the list qualify
  };
  for (const Case& c : cases) EXPECT_EQ(IsPlausibleFilePath(c.text), c.expected) << c.text;
}

TEST(PathText, JoinPutsOneBackslashBetweenFolderAndName) {
  struct Case {
    const char* folder;
    const char* name;
    const char* expected;
  };
  const Case cases[] = {
      {"C:\\WINDOWS\\Help", "notepad.hlp", "C:\\WINDOWS\\Help\\notepad.hlp"},
      {"C:\\WINDOWS\\Help\\", "notepad.hlp", "C:\\WINDOWS\\Help\\notepad.hlp"},
      {"C:\\Help\\ ", "a.hlp", "C:\\Help\\ a.hlp"},    // the trimmed length ends at the backslash
      {" C:\\Help\\", "a.hlp", " C:\\Help\\\\a.hlp"},  // ... and here one before it
      {"", "a.hlp", "\\a.hlp"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JoinFolderAndName(c.folder, c.name), c.expected)
        << "'" << c.folder << "' + '" << c.name << "'";
  }
}

}  // namespace
}  // namespace halvex::model
