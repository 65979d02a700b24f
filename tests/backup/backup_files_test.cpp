// The backup lists: which files of the folder they show, in which order, and their removal.
#include "backup/backup_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/scratch_machine.h"

namespace halvex::testing {
namespace {

using backup::RemoveOutcome;
using ::testing::ElementsAre;

constexpr const char* kFolder = "C:\\Program Files\\Halvex\\RepairBackup\\";
// 2024-01-31 14:25:07 UTC as a file time.
constexpr platform::FileTime kJan31 = 133511847070000000ull;
constexpr platform::FileTime kSecond = 10000000ull;

class BackupFiles : public ::testing::Test {
 protected:
  void AddBackup(const std::string& name, platform::FileTime created) {
    const std::string path = kFolder + name;
    machine.AddFile(path, "REGEDIT4\r\n");
    ASSERT_TRUE(machine.files().SetTimes(path, created, created));
  }
  std::vector<std::string> ListedPaths() {
    std::vector<std::string> paths;
    for (const auto& row : backup::ListRepairBackups(machine.platform())) paths.push_back(row.path);
    return paths;
  }

  ScratchMachine machine;
};

TEST_F(BackupFiles, ListsRegFilesNewestFirst) {
  AddBackup("_20240131_142507.reg", kJan31);
  AddBackup("_20240131_142509.reg", kJan31 + 2 * kSecond);
  AddBackup("mine.REG", kJan31 + kSecond);
  AddBackup("startup.dat", kJan31 + 5 * kSecond);
  AddBackup("notes.reg.txt", kJan31 + 5 * kSecond);
  machine.AddFolder(std::string(kFolder) + "del.reg");
  machine.AddFile(std::string(kFolder) + "del.reg\\inner.reg");
  EXPECT_THAT(ListedPaths(), ElementsAre(std::string(kFolder) + "_20240131_142509.reg",
                                         std::string(kFolder) + "mine.REG",
                                         std::string(kFolder) + "_20240131_142507.reg"));
}

TEST_F(BackupFiles, FilesOfOneTimeAreOrderedByName) {
  AddBackup("_20240131_142507.reg", kJan31);
  AddBackup("_20240131_142507_2.reg", kJan31);
  EXPECT_THAT(ListedPaths(), ElementsAre(std::string(kFolder) + "_20240131_142507_2.reg",
                                         std::string(kFolder) + "_20240131_142507.reg"));
}

TEST_F(BackupFiles, ShowsTheCreationTimeInLocalTime) {
  machine.clock.SetUtcOffset(60);
  AddBackup("_20240131_152507.reg", kJan31);
  const auto rows = backup::ListRepairBackups(machine.platform());
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].time, "01/31/2024 15:25:07");
}

TEST_F(BackupFiles, NoFolderListsNothing) {
  EXPECT_THAT(ListedPaths(), ElementsAre());
}

TEST_F(BackupFiles, RemovesAFileOrSaysWhyNot) {
  AddBackup("_20240131_142507.reg", kJan31);
  const std::string path = std::string(kFolder) + "_20240131_142507.reg";
  EXPECT_EQ(backup::RemoveBackupFile(machine.files(), path), RemoveOutcome::Removed);
  EXPECT_EQ(machine.Read(path), "<missing>");
  EXPECT_EQ(backup::RemoveBackupFile(machine.files(), path), RemoveOutcome::Missing);

  AddBackup("locked.reg", kJan31);
  ASSERT_TRUE(machine.files().SetAttributes(std::string(kFolder) + "locked.reg",
                                            platform::file_attribute::kReadOnly));
  EXPECT_EQ(backup::RemoveBackupFile(machine.files(), std::string(kFolder) + "locked.reg"),
            RemoveOutcome::Failed);
}

}  // namespace
}  // namespace halvex::testing
