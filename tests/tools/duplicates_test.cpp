// The duplicate file finder's logic: groups under each option on the fixture tree, one file
// reached twice, Select All, the size texts and the deletion.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/tools/cleanup_fixture.h"
#include "tools/duplicates/duplicate_list.h"

namespace halvex::tools::duplicates {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class DuplicatesTest : public ::testing::Test, protected testing::CleanupFixture {
 protected:
  DuplicatesTest() {
    machine.AddFile("C:\\Case\\A.TXT", "x");
    machine.AddFile("C:\\Data\\shared.txt", "s");
    machine.AddFile("D:\\shared.txt", "s");
  }

  // Each group as "name: path path ...", sorted by name (the list keeps the order names were
  // first met).
  std::vector<std::string> Groups(DuplicateOptions options,
                                  std::vector<std::string> drives = {"C:", "D:", "E:"}) {
    cleanup::WalkTurns turns(machine.clock, {}, {});
    DuplicateScan scan(machine.platform(), std::move(options), turns);
    for (const std::string& drive : drives) scan.ScanForDuplicates(drive);
    list = BuildDuplicateList(scan.records(), machine.identities);
    std::vector<std::string> groups;
    for (const TSearchResult& row : list.rows) {
      if (row.firstOfGroup) groups.push_back(row.name + ":");
      groups.back() += " " + row.folder + row.name;
    }
    EXPECT_EQ(groups.size(), list.groups);
    std::sort(groups.begin(), groups.end());
    return groups;
  }

  DuplicateList list;
};

TEST_F(DuplicatesTest, GroupsFilesByExactNameButNeverFoldersNorOneFileTwice) {
  // C:\WINDOWS is excluded by the default C:\Windows; the folders v1.0 are walked, not grouped;
  // C:\Data\v1.0\d.dat and E:\v1.0\d.dat are one file; A.TXT is a name of its own.
  EXPECT_THAT(Groups({}), ElementsAre("a.txt: C:\\One\\a.txt C:\\Two\\a.txt D:\\Three\\a.txt",
                                      "d.dat: C:\\Data\\v1.0\\d.dat D:\\v1.0\\d.dat",
                                      "shared.txt: C:\\Data\\shared.txt D:\\shared.txt"));
}

TEST_F(DuplicatesTest, EachOptionNarrowsTheGroups) {
  struct Case {
    const char* what;
    DuplicateOptions options;
    std::vector<std::string> groups;
  } const cases[] = {
      {"same size",
       {.sameSize = true},
       {"a.txt: C:\\One\\a.txt D:\\Three\\a.txt", "d.dat: C:\\Data\\v1.0\\d.dat D:\\v1.0\\d.dat",
        "shared.txt: C:\\Data\\shared.txt D:\\shared.txt"}},
      {"no exclusion",
       {.excludeFolder = false},
       {"a.txt: C:\\One\\a.txt C:\\Two\\a.txt C:\\WINDOWS\\a.txt D:\\Three\\a.txt",
        "d.dat: C:\\Data\\v1.0\\d.dat D:\\v1.0\\d.dat",
        "shared.txt: C:\\Data\\shared.txt D:\\shared.txt"}},
      {"lower-case exclusion",
       {.excludedFolder = "c:\\windows\\"},
       {"a.txt: C:\\One\\a.txt C:\\Two\\a.txt D:\\Three\\a.txt",
        "d.dat: C:\\Data\\v1.0\\d.dat D:\\v1.0\\d.dat",
        "shared.txt: C:\\Data\\shared.txt D:\\shared.txt"}},
      {"at least 1 KB", {.minimumSize = true, .minimumKB = 1}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Groups(c.options), c.groups) << c.what;
}

TEST_F(DuplicatesTest, SelectAllLeavesEachGroupsFirstFile) {
  Groups({});
  SelectAllRows(list, true);
  std::vector<bool> selected;
  for (const TSearchResult& row : list.rows) selected.push_back(row.selected);
  EXPECT_THAT(selected, ElementsAre(false, true, false, true, false, true, true));
  SelectAllRows(list, false);
  for (const TSearchResult& row : list.rows) EXPECT_FALSE(row.selected);
}

TEST_F(DuplicatesTest, DeletesTheSelectedFilesAndFailsOnAProtectedOrRefusedOne) {
  machine.AddFile("C:\\Program Files\\Halvex\\shared.txt", "ours");
  Groups({});
  for (TSearchResult& row : list.rows) row.selected = row.name == "shared.txt";
  machine.shell.Refuse("D:\\shared.txt");
  const DeletionSummary summary = DeleteSelectedDuplicates(services, list, true);
  std::vector<std::string> lines;
  for (const DeletionResult& result : summary.results) {
    lines.push_back(result.path + " " + result.status());
  }
  EXPECT_THAT(lines, ElementsAre("C:\\Data\\shared.txt File Deleted",
                                 "C:\\Program Files\\Halvex\\shared.txt Deleted Fail",
                                 "D:\\shared.txt Deleted Fail"));
  EXPECT_EQ(summary.selected, 3u);
  EXPECT_EQ(summary.succeeded, 1u);
  EXPECT_EQ(summary.failed, 2u);
}

TEST(DuplicateSizeText, RoundsKilobytesHalfToEvenAndShowsBytesBelowHalfAKilobyte) {
  EXPECT_EQ(SizeText(512), "512B");
  EXPECT_EQ(SizeText(513), "1KB");
  EXPECT_EQ(SizeText(1536), "2KB");
  EXPECT_EQ(SizeText(2560), "2KB");
  EXPECT_EQ(SizeText(0), "0B");
  EXPECT_EQ(SizeText(testing::CleanupFixture::kHugeSize), "4194304KB");
}

}  // namespace
}  // namespace halvex::tools::duplicates
