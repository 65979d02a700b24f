// The "Ignore List" page's view of the ignore file, and removing entries from it.
#include "model/ignore_file_editor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/ignore_list.h"
#include "tests/support/scratch_machine.h"

namespace halvex::model {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kIgnoreFile = "C:\\Program Files\\Halvex\\HalvoIgnores.dat";
constexpr const char* kTemporaryFile = "C:\\Program Files\\Halvex\\HalvoIgnores.tmp";
constexpr const char* kThreeEntries =
    "Help Sections|HKEY_LOCAL_MACHINE\\H|a\r\n"
    "\r\n"
    "Fonts Sections|HKEY_LOCAL_MACHINE\\F|b|c\r\n"
    "   \r\n"
    "Help Sections|HKEY_LOCAL_MACHINE\\H|a\r\n";

class IgnoreFileEditorTest : public ::testing::Test {
 protected:
  IgnoreFileEditorTest() { machine.AddFile(kIgnoreFile, kThreeEntries); }

  testing::ScratchMachine machine;
};

TEST_F(IgnoreFileEditorTest, EveryLineThatIsNotBlankIsARow) {
  const IgnoreFileListing listing = ListIgnoreEntries(machine.files());
  EXPECT_EQ(listing.lines.size(), 5u);
  EXPECT_THAT(listing.rows,
              ElementsAre(IgnoreListRow{"Help Sections", "HKEY_LOCAL_MACHINE\\H", 0},
                          IgnoreListRow{"Fonts Sections", "HKEY_LOCAL_MACHINE\\F", 2},
                          IgnoreListRow{"Help Sections", "HKEY_LOCAL_MACHINE\\H", 4}));
}

TEST_F(IgnoreFileEditorTest, AMissingFileListsNothing) {
  ASSERT_TRUE(machine.files().DeleteFile(kIgnoreFile));
  const IgnoreFileListing listing = ListIgnoreEntries(machine.files());
  EXPECT_THAT(listing.lines, IsEmpty());
  EXPECT_THAT(listing.rows, IsEmpty());
}

TEST_F(IgnoreFileEditorTest, RemovingOneOfTwoIdenticalEntriesLeavesTheOtherInForce) {
  IgnoreFileListing listing = ListIgnoreEntries(machine.files());
  ASSERT_TRUE(RemoveIgnoreListRow(machine.files(), listing, 0));
  EXPECT_EQ(machine.Read(kIgnoreFile),
            "\r\n"
            "Fonts Sections|HKEY_LOCAL_MACHINE\\F|b|c\r\n"
            "   \r\n"
            "Help Sections|HKEY_LOCAL_MACHINE\\H|a\r\n");
  EXPECT_FALSE(machine.files().FileExists(kTemporaryFile));
  EXPECT_THAT(listing.rows, ElementsAre(IgnoreListRow{"Fonts Sections", "HKEY_LOCAL_MACHINE\\F", 1},
                                        IgnoreListRow{"Help Sections", "HKEY_LOCAL_MACHINE\\H", 3}))
      << "the listing follows the file";

  TIgnoreContents contents;
  ASSERT_TRUE(LoadIgnoreList(machine.files(), contents));
  EXPECT_TRUE(IsIgnored(machine.locale, contents, "Help Sections", "HKEY_LOCAL_MACHINE\\H", "a"))
      << "the removal takes effect at the next load";
}

TEST_F(IgnoreFileEditorTest, RemovingEveryRowLeavesTheBlankLines) {
  IgnoreFileListing listing = ListIgnoreEntries(machine.files());
  for (const std::size_t row : {1u, 1u, 0u}) {
    ASSERT_TRUE(RemoveIgnoreListRow(machine.files(), listing, row)) << "row " << row;
  }
  EXPECT_THAT(listing.rows, IsEmpty());
  EXPECT_EQ(machine.Read(kIgnoreFile), "\r\n   \r\n");
}

TEST_F(IgnoreFileEditorTest, AFailedRewriteKeepsTheFileAndTheRow) {
  struct Fault {
    const char* name;
    void (*inject)(testing::ScratchMachine&);
  };
  const Fault faults[] = {
      {"the temporary file cannot be written",
       [](testing::ScratchMachine& m) { m.AddFolder(kTemporaryFile); }},
      {"the ignore file cannot be replaced",
       [](testing::ScratchMachine& m) {
         ASSERT_TRUE(m.files().SetAttributes(kIgnoreFile, platform::file_attribute::kReadOnly));
       }},
  };
  for (const Fault& fault : faults) {
    testing::ScratchMachine machine;
    machine.AddFile(kIgnoreFile, kThreeEntries);
    fault.inject(machine);
    IgnoreFileListing listing = ListIgnoreEntries(machine.files());
    const IgnoreFileListing before = listing;

    EXPECT_FALSE(RemoveIgnoreListRow(machine.files(), listing, 1)) << fault.name;
    EXPECT_EQ(machine.Read(kIgnoreFile), kThreeEntries) << fault.name;
    EXPECT_EQ(listing.rows, before.rows) << fault.name;
    EXPECT_EQ(listing.lines, before.lines) << fault.name;
    EXPECT_FALSE(machine.files().FileExists(kTemporaryFile)) << fault.name;
  }
}

TEST_F(IgnoreFileEditorTest, ARowThatDoesNotExistRemovesNothing) {
  IgnoreFileListing listing = ListIgnoreEntries(machine.files());
  EXPECT_FALSE(RemoveIgnoreListRow(machine.files(), listing, 3));
  EXPECT_EQ(listing.rows.size(), 3u);
  EXPECT_EQ(machine.Read(kIgnoreFile), kThreeEntries);
}

}  // namespace
}  // namespace halvex::model
