#include "model/ignore_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/ignore_file_editor.h"
#include "model/scan_sections.h"
#include "tests/support/scratch_machine.h"

namespace halvex::model {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Entry = ignore_item::TContent;

constexpr const char* kIgnoreFile = "C:\\Program Files\\Halvex\\HalvoIgnores.dat";
constexpr const char* kSharedDlls =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";

class IgnoreListTest : public ::testing::Test {
 protected:
  IgnoreListTest() { machine.AddFolder("C:\\Program Files\\Halvex"); }

  TIgnoreContents Load() {
    TIgnoreContents contents = {Entry{"stale", "entry", "from before"}};
    EXPECT_TRUE(LoadIgnoreList(machine.files(), contents));
    return contents;
  }

  testing::ScratchMachine machine;
};

TEST(IgnoreLine, FieldsSplitAtTheFirstTwoBars) {
  struct Case {
    const char* line;
    Entry expected;
  };
  const Case cases[] = {
      {"Fonts Sections|HKEY_LOCAL_MACHINE\\Fonts|Arial (TrueType)",
       {"Fonts Sections", "HKEY_LOCAL_MACHINE\\Fonts", "Arial (TrueType)"}},
      {"a|b|c|d", {"a", "b", "c|d"}},  // further bars stay in the value name
      {"a|b|", {"a", "b", ""}},
      {"no bar at all", {"", "", "no bar at all"}},
      {"one|bar", {"one", "", "bar"}},
      {"||", {"", "", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseIgnoreLine(c.line), c.expected) << c.line;
}

TEST_F(IgnoreListTest, TheFileIsInTheProgramFolder) {
  EXPECT_EQ(IgnoreFilePath(machine.files()), kIgnoreFile);
}

TEST_F(IgnoreListTest, AMissingFileIsAnEmptyList) {
  EXPECT_THAT(Load(), IsEmpty());
}

TEST_F(IgnoreListTest, AnExcludedSharedDllIsIgnoredAtTheNextScan) {
  ASSERT_TRUE(AppendIgnoreEntry(machine.files(), ExclusionCategory(4), kSharedDlls, "C:\\x.dll"));
  EXPECT_EQ(machine.Read(kIgnoreFile),
            "Shared DLL's Sections|HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion"
            "\\SharedDlls|C:\\x.dll\r\n");
  const TIgnoreContents contents = Load();
  EXPECT_TRUE(
      IsIgnored(machine.locale, contents, *TestedIgnoreCategory(4), kSharedDlls, "C:\\x.dll"));
}

TEST_F(IgnoreListTest, ExclusionsAppendAndAreNeverMerged) {
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(AppendIgnoreEntry(machine.files(), "Help Sections", "HKEY_LOCAL_MACHINE\\H", "a"));
  }
  ASSERT_TRUE(AppendIgnoreEntry(machine.files(), "Fonts Sections", "HKEY_LOCAL_MACHINE\\F", "b"));
  EXPECT_THAT(Load(), ElementsAre(Entry{"Help Sections", "HKEY_LOCAL_MACHINE\\H", "a"},
                                  Entry{"Help Sections", "HKEY_LOCAL_MACHINE\\H", "a"},
                                  Entry{"Fonts Sections", "HKEY_LOCAL_MACHINE\\F", "b"}));
}

TEST_F(IgnoreListTest, LoadingSkipsEmptyLinesWhateverTheLineEnds) {
  machine.AddFile(kIgnoreFile, "a|k1|v1\r\n\r\nb|k2|v2\nc|k3|v3\r\n \r\nd|k4|v4");
  EXPECT_THAT(Load(),
              ElementsAre(Entry{"a", "k1", "v1"}, Entry{"b", "k2", "v2"}, Entry{"c", "k3", "v3"},
                          Entry{"", "", " "}, Entry{"d", "k4", "v4"}));
}

// A file edited by hand may end without a line end; the new line must not join its last line.
TEST_F(IgnoreListTest, AnExclusionAfterALastLineWithoutItsEndStartsALineOfItsOwn) {
  machine.AddFile(kIgnoreFile, "a|k1|v1");
  ASSERT_TRUE(AppendIgnoreEntry(machine.files(), "b", "k2", "v2"));
  EXPECT_EQ(machine.Read(kIgnoreFile), "a|k1|v1\r\nb|k2|v2\r\n");
  EXPECT_THAT(Load(), ElementsAre(Entry{"a", "k1", "v1"}, Entry{"b", "k2", "v2"}));
}

TEST_F(IgnoreListTest, AFileThatCannotBeWrittenIsReported) {
  machine.AddFile(kIgnoreFile, "a|k|v\r\n");
  ASSERT_TRUE(machine.files().SetAttributes(kIgnoreFile, platform::file_attribute::kReadOnly));
  EXPECT_FALSE(AppendIgnoreEntry(machine.files(), "b", "k", "v"));
  EXPECT_EQ(machine.Read(kIgnoreFile), "a|k|v\r\n");
}

// A line splits at its first two bars and ends at a line break, so a key path with a bar or a
// name with a line break would read back as another entry and the problem would return
// silently: such an exclusion is refused and the file stays as it was.
TEST_F(IgnoreListTest, AnEntryThatWouldReadBackAsAnotherIsRefused) {
  struct Case {
    const char* keyPath;
    const char* valueName;
  };
  const Case cases[] = {
      {"HKEY_CURRENT_USER\\a|b", "v"},        {"HKEY_CURRENT_USER\\a", "two\r\nlines"},
      {"HKEY_CURRENT_USER\\a", "line\nfeed"}, {"HKEY_CURRENT_USER\\a", "carriage\rreturn"},
      {"HKEY_CURRENT_USER\\a\nb", "v"},
  };
  machine.AddFile(kIgnoreFile, "a|k|v\r\n");
  for (const Case& c : cases) {
    EXPECT_FALSE(AppendIgnoreEntry(machine.files(), "Help Sections", c.keyPath, c.valueName))
        << c.keyPath << " | " << c.valueName;
  }
  EXPECT_EQ(machine.Read(kIgnoreFile), "a|k|v\r\n");

  // A bar in the value name reads back: the value name is all the rest of the line.
  ASSERT_TRUE(AppendIgnoreEntry(machine.files(), "Help Sections", "HKEY_CURRENT_USER\\a", "x|y"));
  EXPECT_TRUE(IsIgnored(machine.locale, Load(), "Help Sections", "HKEY_CURRENT_USER\\a", "x|y"));
}

TEST_F(IgnoreListTest, CategoryAndKeyPathMatchInAnyCaseTheValueNameExactly) {
  const TIgnoreContents contents = {
      Entry{"Application Paths", "HKEY_LOCAL_MACHINE\\SOFTWARE\\App Paths\\a.exe", "Path"},
      Entry{"Fonts Sections", "HKEY_LOCAL_MACHINE\\Fonts\\Caf\xE9", "default"},
  };
  struct Case {
    const char* category;
    const char* keyPath;
    const char* valueName;
    bool ignored;
  };
  const Case cases[] = {
      {"Application Paths", "HKEY_LOCAL_MACHINE\\SOFTWARE\\App Paths\\a.exe", "Path", true},
      {"APPLICATION paths", "hkey_local_machine\\software\\app paths\\A.EXE", "Path", true},
      {"Fonts Sections", "HKEY_LOCAL_MACHINE\\FONTS\\CAF\xC9", "default", true},  // É and é
      {"Application Paths", "HKEY_LOCAL_MACHINE\\SOFTWARE\\App Paths\\a.exe", "PATH", false},
      {"Application Paths", "HKEY_LOCAL_MACHINE\\SOFTWARE\\App Paths\\a.exe", "Path ", false},
      {"Application Path", "HKEY_LOCAL_MACHINE\\SOFTWARE\\App Paths\\a.exe", "Path", false},
      {"Application Paths", "HKEY_LOCAL_MACHINE\\SOFTWARE\\App Paths", "Path", false},
      {"Fonts Sections", "HKEY_LOCAL_MACHINE\\SOFTWARE\\App Paths\\a.exe", "Path", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsIgnored(machine.locale, contents, c.category, c.keyPath, c.valueName), c.ignored)
        << c.category << " | " << c.keyPath << " | " << c.valueName;
  }
  EXPECT_FALSE(IsIgnored(machine.locale, {}, "", "", ""));
}

TEST(IgnoreCategories, EachSectionTestsItsCategory) {
  struct Case {
    int section;
    const char* tested;  // nullptr: the section consults no ignore list
    const char* stored;
  };
  const Case cases[] = {
      {1, "ActiveX, OLE, COM Sections", "ActiveX, OLE, COM Sections"},
      {4, "Shared DLL's Sections", "Shared DLL's Sections"},
      {7, "System Services", "System Services"},  // an exclusion takes effect
      {8, "Invalid ShortCuts", "Invalid ShortCuts"},
      {11, "Invalid ShortCuts", "Invalid ShortCuts"},
      {13, "File Extension", "File Extension"},
      {15, "Sounds Section", "Sounds Section"},  // an exclusion takes effect
      {17, "Most Recently Used Files", "Most Recently Used Files"},
  };
  for (const Case& c : cases) {
    const std::optional<std::string_view> tested = TestedIgnoreCategory(c.section);
    if (c.tested) {
      EXPECT_EQ(tested, c.tested) << "section " << c.section;
    } else {
      EXPECT_EQ(tested, std::nullopt) << "section " << c.section;
    }
    EXPECT_EQ(ExclusionCategory(c.section), c.stored) << "section " << c.section;
  }
  for (const int outside : {0, 18, -1}) {
    EXPECT_EQ(TestedIgnoreCategory(outside), std::nullopt) << outside;
    EXPECT_EQ(ExclusionCategory(outside), "") << outside;
    EXPECT_EQ(SectionCaption(outside), "") << outside;
  }
  EXPECT_EQ(SectionCaption(13), "FileExtensions");
}

}  // namespace
}  // namespace halvex::model
