// Line splitting, substring replacement and program folder paths.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/program_folder.h"
#include "model/text_search.h"
#include "platform/text_lines.h"
#include "tests/support/scratch_machine.h"

namespace halvex::model {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(TextLines, LinesEndAtCrLfLfOrCr) {
  EXPECT_THAT(platform::SplitLines("a\r\nb\nc\rd"), ElementsAre("a", "b", "c", "d"));
  EXPECT_THAT(platform::SplitLines("a\r\n"), ElementsAre("a")) << "a final line end starts no line";
  EXPECT_THAT(platform::SplitLines("\r\n\r\n"), ElementsAre("", ""));
  EXPECT_THAT(platform::SplitLines("a\n\rb"), ElementsAre("a", "", "b"))
      << "LF CR is two line ends";
  EXPECT_THAT(platform::SplitLines(""), IsEmpty());
}

TEST(TextLines, IniTrimTakesBlanksAndTabsOnly) {
  EXPECT_EQ(platform::TrimBlanksAndTabs(" \t a b\t "), "a b");
  EXPECT_EQ(platform::TrimBlanksAndTabs("\r a \n"), "\r a \n") << "line ends are no blanks here";
  EXPECT_EQ(platform::TrimBlanksAndTabs(" \t"), "");
}

TEST(TextSearch, ReplaceAllReplacesEveryOccurrenceLeftToRight) {
  struct Case {
    const char* text;
    const char* what;
    const char* with;
    const char* expected;
  };
  const Case cases[] = {
      {"%A%\\x;%A%\\y", "%A%", "C:", "C:\\x;C:\\y"},
      {"aaa", "aa", "b", "ba"},  // without overlaps
      {"abc", "", "x", "abc"},
      {"abc", "abc", "", ""},
      {"abc", "d", "x", "abc"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceAll(c.text, c.what, c.with), c.expected)
        << c.text << " / " << c.what << " / " << c.with;
  }
}

TEST(TextSearch, CaseInsensitiveTestsUseTheCodePagesUpperCasing) {
  testing::ScratchMachine machine;
  EXPECT_TRUE(ContainsNoCase(machine.locale, "C:\\caf\xE9\\a", "CAF\xC9"));
  EXPECT_TRUE(EqualsNoCase(machine.locale,
                           "\x9A"
                           "koda",
                           "\x8A"
                           "KODA"));
  EXPECT_FALSE(EqualsNoCase(machine.locale, "abc", "abcd"));
}

TEST(ProgramFolder, FilesOfTheProgramLieInItsFolder) {
  testing::ScratchMachine machine(platform::substitute::SystemFolders{
      "C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\TEMP\\", "D:\\Tools\\Halvex"});
  EXPECT_EQ(InProgramFolder(machine.files(), "HalvoIgnores.dat"),
            "D:\\Tools\\Halvex\\HalvoIgnores.dat");
  EXPECT_EQ(InProgramFolder(machine.files(), "RepairBackup\\"),
            "D:\\Tools\\Halvex\\RepairBackup\\");
}

}  // namespace
}  // namespace halvex::model
