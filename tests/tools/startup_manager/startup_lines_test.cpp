// The three line files' forms: what a line reads back as, and which entries no line can hold.
#include <gtest/gtest.h>

#include "tools/startup_manager/startup_lines.h"

namespace halvex::tools::startup_manager {
namespace {

struct RegistryLineCase {
  const char* line;
  bool parses;
  const char* fullKeyName;
  const char* valueName;
  const char* data;
};

const RegistryLineCase kRegistryLines[] = {
    {"HKEY_CURRENT_USER\\SOFTWARE\\Run#Tray Agent|C:\\Tools\\tray.exe -min", true,
     "HKEY_CURRENT_USER\\SOFTWARE\\Run", "Tray Agent", "C:\\Tools\\tray.exe -min"},
    {"HKEY_CURRENT_USER\\Run#A|run.exe #1 | log", true, "HKEY_CURRENT_USER\\Run", "A",
     "run.exe #1 | log"},  // data may hold both
    {"HKEY_CURRENT_USER\\Run#|", true, "HKEY_CURRENT_USER\\Run", "", ""},
    {"HKEY_CURRENT_USER\\Run#Name#2|x", true, "HKEY_CURRENT_USER\\Run", "Name#2", "x"},
    {"HKEY_CURRENT_USER\\Run|x#y", false, "", "", ""},  // "|" before the first "#" does not count
    {"no separators", false, "", "", ""},
};

TEST(StartupLines, RegistryLinesReadByTheirFirstHashAndTheBarAfterIt) {
  for (const RegistryLineCase& test : kRegistryLines) {
    const std::optional<RegistryLine> parsed = ParseRegistryLine(test.line);
    ASSERT_EQ(parsed.has_value(), test.parses) << test.line;
    if (!parsed) continue;
    EXPECT_EQ(parsed->fullKeyName, test.fullKeyName) << test.line;
    EXPECT_EQ(parsed->valueName, test.valueName) << test.line;
    EXPECT_EQ(parsed->data, test.data) << test.line;
  }
}

TEST(StartupLines, OnlyEntriesALineGivesBackFitOne) {
  const struct {
    RegistryLine entry;
    bool fits;
  } cases[] = {
      {{"HKEY_CURRENT_USER\\Run", "Tray", "a.exe #1 |x"}, true},
      {{"HKEY_CURRENT_USER\\Run", "Tray#2", "a.exe"}, false},
      {{"HKEY_CURRENT_USER\\Run", "Tray|2", "a.exe"}, false},
      {{"HKEY_CURRENT_USER\\Ru#n", "Tray", "a.exe"}, false},
      {{"HKEY_CURRENT_USER\\Run", "Tray", "a.exe\r\nb.exe"}, false},
      {{"HKEY_CURRENT_USER\\Run", "Tr\nay", "a.exe"}, false},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(FitsRegistryLine(test.entry), test.fits)
        << test.entry.valueName << " / " << test.entry.data;
    if (!test.fits) continue;
    const auto back = ParseRegistryLine(FormatRegistryLine(test.entry));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->valueName, test.entry.valueName);
    EXPECT_EQ(back->data, test.entry.data);
  }
}

TEST(StartupLines, FolderLinesTellDisabledFromRemoved) {
  const struct {
    const char* line;
    const char* startupPath;
    const char* copyPath;
    bool disabled;
  } cases[] = {
      {"C:\\Startup\\a.lnk#C:\\RB\\del\\a.lnk|E", "C:\\Startup\\a.lnk", "C:\\RB\\del\\a.lnk", true},
      {"C:\\Startup\\a.lnk#C:\\RB\\del\\a.lnk", "C:\\Startup\\a.lnk", "C:\\RB\\del\\a.lnk", false},
      {"C:\\S\\a#b.lnk#C:\\RB\\del\\a#b.lnk|E", "C:\\S\\a", "b.lnk#C:\\RB\\del\\a#b.lnk", true},
  };
  for (const auto& test : cases) {
    const std::optional<FolderLine> parsed = ParseFolderLine(test.line);
    ASSERT_TRUE(parsed.has_value()) << test.line;
    EXPECT_EQ(parsed->startupPath, test.startupPath) << test.line;
    EXPECT_EQ(parsed->copyPath, test.copyPath) << test.line;
    EXPECT_EQ(parsed->disabled, test.disabled) << test.line;
  }
  EXPECT_FALSE(ParseFolderLine("no hash").has_value());
  EXPECT_EQ(FormatFolderLine({"C:\\S\\a.lnk", "C:\\D\\a.lnk", true}),
            "C:\\S\\a.lnk#C:\\D\\a.lnk|E");
}

TEST(StartupLines, LinesCompareTrimmed) {
  EXPECT_TRUE(SameLine("  a#b|c\t", "a#b|c"));
  EXPECT_FALSE(SameLine("a#b|c", "A#b|c"));
}

}  // namespace
}  // namespace halvex::tools::startup_manager
