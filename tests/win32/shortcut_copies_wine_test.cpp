// The repair's shortcut copies on the real file system: shortcuts the shell's own link object
// saved on the prefix's C: drive are copied beside a repair backup, deleted as the repair deletes
// them, and copied back byte for byte, still pointing where they pointed.
#include <gtest/gtest.h>

#include <string>

#include "backup/repair_backup.h"
#include "backup/shortcut_copies.h"
#include "scan/repair_target.h"
#include "tests/win32/win32_round_trip_machine.h"

namespace halvex::testing {
namespace {

using scan::RepairTarget;

TEST(ShortcutCopiesUnderWine, ShellShortcutsComeBackByteForByteAfterTheRepair) {
  Win32RoundTripMachine machine;
  std::string failure;
  ASSERT_TRUE(machine.Prepare(failure)) << failure;
  platform::FileSystem& files = machine.files;
  const std::string folder = std::string(kWineProgramFolder) + "shortcuts";
  if (!files.FolderExists(folder)) {
    ASSERT_TRUE(files.CreateFolder(folder));
  }
  const std::string shortcuts[] = {folder + "\\broken.lnk", folder + "\\Caf\xE9 broken.lnk"};
  for (const std::string& shortcut : shortcuts) {
    (void)files.DeleteFile(shortcut);  // left by an earlier run that failed
    ASSERT_TRUE(platform::win32::Win32ShellLinks::SaveShortcut(shortcut, folder + "\\gone.exe"))
        << shortcut;
  }
  const std::string bytes[] = {*files.ReadFile(shortcuts[0]), *files.ReadFile(shortcuts[1])};

  const RepairTarget targets[] = {{RepairTarget::Kind::File, {}, {}, shortcuts[0]},
                                  {RepairTarget::Kind::File, {}, {}, shortcuts[1]}};
  const backup::RepairBackupResult backup =
      backup::WriteRepairBackup(machine.platform(), platform::PlatformClass::NtFamily, targets);
  ASSERT_EQ(backup.status, backup::RepairBackupStatus::Written) << backup.path;
  EXPECT_EQ(backup.copiedShortcuts.size(), 2u);
  for (const RepairTarget& target : targets) {
    EXPECT_EQ(scan::PerformRepair(machine.platform(), target), scan::RepairOutcome::Done);
    EXPECT_FALSE(files.FileExists(target.filePath)) << target.filePath;
  }

  const backup::ShortcutRestore restore = backup::RestoreShortcutCopies(files, backup.path);
  EXPECT_EQ(restore.restored.size(), 2u);
  EXPECT_TRUE(restore.leftInPlace.empty());
  EXPECT_TRUE(restore.failed.empty());
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(files.ReadFile(shortcuts[i]), bytes[i]) << shortcuts[i];
    EXPECT_EQ(platform::win32::Win32ShellLinks().ShortcutTarget(shortcuts[i]),
              folder + "\\gone.exe");
    (void)files.DeleteFile(shortcuts[i]);
  }
}

}  // namespace
}  // namespace halvex::testing
