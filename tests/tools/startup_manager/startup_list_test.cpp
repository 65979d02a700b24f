// The startup list: every location in its order, each value type, what a startup folder hides,
// and the disabled entries after the live ones.
#include <gmock/gmock.h>

#include "tests/tools/startup_manager/startup_fixture.h"

namespace halvex::tools::startup_manager {
namespace {

using ::testing::ElementsAreArray;

std::string Row(const StartupEntry& entry) {
  return entry.name + " | " + entry.path + " | " + entry.status + " | " + entry.type + " | " +
         entry.location + (entry.hasDetailsMark ? " | details" : "");
}

std::vector<std::string> Rows(const std::vector<StartupEntry>& entries) {
  std::vector<std::string> rows;
  for (const StartupEntry& entry : entries) rows.push_back(Row(entry));
  return rows;
}

TEST_F(StartupMachine, ListsEveryLocationInOrderWithTheTextOfEachValueType) {
  const std::string hklm = kHklmRun, hkcu = kHkcuRun;
  const std::vector<std::string> expected = {
      "agent.lnk | C:\\Common Startup\\agent.lnk | Enable | Startup Folder | ",
      "Tools | C:\\Common Startup\\Tools | Enable | Startup Folder | ",  // folders count too
      "agent.lnk | C:\\User Startup\\agent.lnk | Enable | Startup Folder | ",
      "notes.txt | C:\\User Startup\\notes.txt | Enable | Startup Folder | ",
      "Tray Agent | C:\\Tools\\tray.exe -min | Enable | Registration | " + hklm + " | details",
      "Helper | %SystemRoot%\\helper.exe | Enable | Registration | " + hklm + " | details",
      "Counter | 7 | Enable | Registration | " + hklm + " | details",
      "Blob |  | Enable | Registration | " + hklm + " | details",
      "Tray Agent | C:\\Tools\\user-tray.exe | Enable | Registration | " + hkcu + " | details",
      "Loader | C:\\Tools\\load.exe | Win.ini | Win.ini |  | details",
      "Runner | run.exe | Win.ini | Win.ini | ",
  };
  EXPECT_THAT(Rows(List()), ElementsAreArray(expected));
  EXPECT_EQ(Find(EntryKind::RunValue, "Tray Agent", kHklmRun).programFile, "C:\\Tools\\tray.exe");
  EXPECT_EQ(Find(EntryKind::RunValue, "Tray Agent", kHkcuRun).programFile, "")
      << "a program file that does not exist gives no details";
}

TEST_F(StartupMachine, AFolderThatCannotBeEnteredListsNothing) {
  machine.SetString(
      "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
      "Shell Folders",
      "Startup", "C:\\User Startup\\notes.txt");
  for (const StartupEntry& entry : List()) {
    EXPECT_NE(entry.path.find("C:\\User Startup\\notes.txt\\"), 0u) << Row(entry);
    EXPECT_NE(entry.name, "notes.txt") << "the user folder is a file now: " << Row(entry);
  }
}

TEST_F(StartupMachine, DisabledEntriesFollowTheLiveOnesAndAFileBackInPlaceIsNotListedDisabled) {
  ASSERT_TRUE(DisableEntry(platform(), paths, Find(EntryKind::FolderFile, "notes.txt")).done);
  ASSERT_TRUE(DisableEntry(platform(), paths, Find(EntryKind::RunValue, "Helper")).done);
  std::vector<StartupEntry> entries = List();
  ASSERT_EQ(entries.size(), 11u);
  // After the first folder listed, as del.txt is read after each folder.
  EXPECT_EQ(Row(entries[2]),
            "C:\\User Startup\\notes.txt | C:\\Program Files\\Halvex\\RepairBackup\\del\\notes.txt"
            " | Disable | Startup Folder | ");
  EXPECT_EQ(Row(entries.back()), "Helper | %SystemRoot%\\helper.exe | Disable | Registration | " +
                                     std::string(kHklmRun) +
                                     "#Helper|%SystemRoot%\\helper.exe | details");

  machine.AddFile("C:\\User Startup\\notes.txt", "a new file of that name");
  for (const StartupEntry& entry : List()) EXPECT_NE(entry.kind, EntryKind::DisabledFolderFile);
  EXPECT_EQ(Lines(paths.delTxt).size(), 1u) << "its line stays";
}

TEST_F(StartupMachine, IdsAreStableAcrossListingsAndUniqueInTheirList) {
  const std::vector<std::string> first = EntryIds(List());
  EXPECT_EQ(EntryIds(List()), first);
  std::vector<std::string> sorted = first;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
  // Two lines alike still get two ids.
  LineFile removed(paths.removeStartupDat);
  removed.Append(std::string(kHkcuRun) + "#Same|same.exe");
  removed.Append(std::string(kHkcuRun) + "#Same|same.exe");
  ASSERT_TRUE(removed.Save(machine.files()));
  const std::vector<std::string> ids = EntryIds(ListRestorableEntries(machine.files(), paths));
  ASSERT_EQ(ids.size(), 2u);
  EXPECT_NE(ids[0], ids[1]);
}

}  // namespace
}  // namespace halvex::tools::startup_manager
