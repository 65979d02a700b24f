// Most recently used files: every file dialog history value and every text value of the Run
// dialog's history is listed; the repair empties the histories and keeps their keys.
#include "scan/sections/recent_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/scan/section_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using Problem = model::registry_content::TContent;
namespace reg_type = platform::reg_type;

constexpr int kRecentFiles = 17;
constexpr const char* kOpenSave =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\"
    "OpenSaveMRU";
constexpr const char* kRunMru =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";

std::string FileType(std::string_view name) {
  return std::string(kOpenSave) + "\\" + std::string(name);
}

class RecentFilesScan : public ::testing::Test {
 protected:
  RecentFilesScan() {
    machine.SetString(FileType("txt"), "a", "C:\\a.txt");
    machine.SetString(FileType("txt"), "b", "C:\\b.txt");
    machine.SetString(FileType("txt"), "MRUList", "ba");
    machine.SetString(kOpenSave, "outside", "not listed");
    machine.SetString(kRunMru, "a", "notepad\\1");
    machine.SetString(kRunMru, "MRUList", "a");
  }

  ScratchMachine machine;
  ScanRun run{machine};
  RecordingRepairFrontEnd repairFrontEnd;
};

TEST_F(RecentFilesScan, ListsTheFileDialogHistoryAndTheRunDialogsTextValues) {
  machine.SetValue(kRunMru, "expand", reg_type::kExpandString, {'%', 'x', '%', 0});
  machine.SetDword(kRunMru, "number", 1);
  // Its record would name the unnamed default value, which the repair would delete instead.
  machine.SetString(FileType("txt"), "default", "C:\\named.txt");
  machine.SetString(kRunMru, "default", "named");
  const model::TRegistryContents& problems = ScanOnly(run, kRecentFiles);
  EXPECT_THAT(FieldOfEach(problems, &Problem::ItemName),
              ElementsAre("txt", "txt", "txt", "RunMRU", "RunMRU"));
  EXPECT_THAT(FieldOfEach(problems, &Problem::ValueName),
              ElementsAre("a", "b", "MRUList", "a", "MRUList"));
  EXPECT_THAT(FieldOfEach(problems, &Problem::ValueData),
              ElementsAre("", "", "", "notepad\\1", "a"));
  const Problem& file = problems[0];
  EXPECT_EQ(file.KeyPath, FileType("txt"));
  EXPECT_EQ(file.DetailKeyPath, " Key Path:" + FileType("txt"));
  EXPECT_EQ(file.DetailValueName, " ValueName:a");
  EXPECT_EQ(file.DetailValue, " Value:Emtpy");
  EXPECT_EQ(file.DetailProblem, " Recently Key:a");
  const Problem& run_ = problems[3];
  EXPECT_EQ(run_.KeyPath, kRunMru);
  EXPECT_EQ(run_.DetailValue, " Value:notepad\\1");
  EXPECT_EQ(run_.DetailProblem, " Recently Key:notepad\\1");
}

TEST_F(RecentFilesScan, AnIgnoredValueSkipsOnlyThatValue) {
  Exclude(machine, kRecentFiles, FileType("txt"), "b");
  Exclude(machine, kRecentFiles, kRunMru, "a");
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kRecentFiles), &Problem::ValueName),
              ElementsAre("a", "MRUList", "MRUList"));
}

TEST_F(RecentFilesScan, RepairEmptiesTheHistoriesAndKeepsTheirKeys) {
  ASSERT_EQ(ScanOnly(run, kRecentFiles).size(), 5u);
  EXPECT_THAT(RepairOnly(run, kRecentFiles, repairFrontEnd),
              ElementsAre(scan::kRepairedStatus, scan::kRepairedStatus, scan::kRepairedStatus,
                          scan::kRepairedStatus, scan::kRepairedStatus));
  for (const char* name : {"a", "b", "MRUList"}) {
    EXPECT_FALSE(machine.ValueExists(FileType("txt"), name)) << name;
  }
  EXPECT_FALSE(machine.ValueExists(kRunMru, "a"));
  EXPECT_TRUE(machine.ValueExists(kOpenSave, "outside"));
  model::RegistryObject key(machine.registry);
  key.SetRootKey(platform::RootKey::CurrentUser);
  EXPECT_TRUE(key.KeyExists(
      "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\txt"));
  EXPECT_TRUE(key.KeyExists("\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU"));
}

}  // namespace
}  // namespace halvex::testing
