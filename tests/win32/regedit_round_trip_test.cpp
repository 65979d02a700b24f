// The proof of the undo under Wine, against the real registry and the system's registry
// editor: the fixture goes into the registry, "regedit /e" exports the whole registry, the
// scan and the repair with its backup run on the Win32 bindings, "regedit /s" imports the
// backup, and the next whole export is the same, byte for byte. Also the finding that decides
// how version 5.00 files are written.
#include <gtest/gtest.h>

#include "backup/registry_editor.h"
#include "backup/registry_restore.h"
#include "backup/repair_backup.h"
#include "model/drive_checks.h"
#include "model/registry_delete.h"
#include "model/result_rows.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_process_runner.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell_links.h"
#include "repair/repair_driver.h"
#include "scan/scan_driver.h"
#include "scan/scan_front_end.h"
#include "tests/backup/round_trip_fixture.h"

namespace halvex::testing {
namespace {

constexpr const char* kProgramFolder = "C:\\halvex-test\\roundtrip\\";
constexpr platform::PlatformClass kNt = platform::PlatformClass::NtFamily;

// The Win32 files with the program folder in the prefix: the test program itself lies on no
// drive under Wine, and the registry editor could not read a backup beside it.
class PrefixFiles final : public platform::FileSystem {
 public:
  bool FileExists(std::string_view p) override { return files.FileExists(p); }
  bool FolderExists(std::string_view p) override { return files.FolderExists(p); }
  bool CreateFolder(std::string_view p) override { return files.CreateFolder(p); }
  bool DeleteFile(std::string_view p) override { return files.DeleteFile(p); }
  bool CopyFile(std::string_view f, std::string_view t, bool e) override {
    return files.CopyFile(f, t, e);
  }
  bool ReplaceFile(std::string_view f, std::string_view t) override {
    return files.ReplaceFile(f, t);
  }
  std::optional<std::vector<platform::FileEntry>> ListFolder(std::string_view p) override {
    return files.ListFolder(p);
  }
  std::optional<std::uint32_t> Attributes(std::string_view p) override {
    return files.Attributes(p);
  }
  std::optional<std::string> ReadFile(std::string_view p) override { return files.ReadFile(p); }
  bool WriteFile(std::string_view p, std::string_view b) override { return files.WriteFile(p, b); }
  bool AppendFile(std::string_view p, std::string_view b) override {
    return files.AppendFile(p, b);
  }
  platform::DriveType GetDriveType(std::string_view r) override { return files.GetDriveType(r); }
  std::optional<platform::DiskSpace> GetDiskSpace(std::string_view r) override {
    return files.GetDiskSpace(r);
  }
  std::string WindowsFolder() override { return files.WindowsFolder(); }
  std::string SystemFolder() override { return files.SystemFolder(); }
  std::string TempFolder() override { return files.TempFolder(); }
  std::string ProgramFolder() override { return kProgramFolder; }

  platform::win32::Win32FileSystem files;
};

class SilentScan final : public scan::ScanFrontEnd {
 public:
  void ShowProgress(std::string_view) override {}
  void ShowSectionCount(int, std::size_t) override {}
  void ProcessMessages() override {}
  void SectionStarted(int) override {}
  void SectionSkipped(int) override {}
  void SectionFinished(int, std::size_t) override {}
  void SectionFailed(int section, std::string_view message) override {
    ADD_FAILURE() << "section " << section << " failed: " << message;
  }
};

// Nothing to ask: a repair that cannot be backed up does not run.
class SilentConversation final : public scan::RepairConversation, scan::RepairFrontEnd {
 public:
  void OfferFirstFullBackup() override {}
  void Inform(std::string_view) override {}
  bool AskYesNo(std::string_view) override { return false; }
  void RepairStarted() override {}
  void RepairEnded() override {}
  scan::RepairFrontEnd& frontEnd() override { return *this; }
  void ShowRepairProgress(std::string_view) override {}
  void ShowRepairCount(std::size_t) override {}
  void ProcessMessages() override {}
};

bool KeyExists(platform::Registry& registry, platform::RootKey root, std::string_view path) {
  platform::KeyHandle key;
  if (registry.OpenKey(platform::RootHandle(root), path, platform::KeyAccess::Read, key) !=
      platform::RegStatus::Ok) {
    return false;
  }
  registry.CloseKey(key);
  return true;
}

class RegeditRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* folder : {"C:\\halvex-test", kProgramFolder}) {
      if (!files.FolderExists(folder)) {
        ASSERT_TRUE(files.CreateFolder(folder)) << folder;
      }
    }
    sharedDllsExisted = KeyExists(registry, platform::RootKey::LocalMachine, kSharedDllsBelow);
    RemoveFixture();
    std::string failure;
    ASSERT_TRUE(WriteFixture(registry, SharedDllsProblems(), failure)) << failure;
    ASSERT_TRUE(WriteFixture(registry, ScratchValues(), failure)) << failure;
    ASSERT_TRUE(MakeKeys(registry, ScratchEmptyKeys(), failure)) << failure;
  }
  void TearDown() override { RemoveFixture(); }

  void RemoveFixture() {
    (void)model::DeleteKeyByFullPath(registry, kRoundTripScratchKey);
    if (!sharedDllsExisted) {
      (void)model::DeleteKeyByFullPath(registry, kRoundTripSharedDlls);
    } else {
      for (const FixtureValue& value : SharedDllsProblems()) {
        (void)model::DeleteValueByPath(registry, value.keyPath,
                                       value.name.empty() ? "default" : value.name);
      }
    }
  }

  // The whole registry as the registry editor exports it.
  std::string FullExport() {
    const std::string file = std::string(kProgramFolder) + "full.reg";
    (void)files.DeleteFile(file);
    EXPECT_TRUE(runner.RunHidden(backup::RegistryExportCommand(file), {}).succeeded());
    const std::string bytes = files.ReadFile(file).value_or("<no export>");
    (void)files.DeleteFile(file);
    return bytes;
  }

  // The first line at which two exports differ, to show instead of megabytes.
  static std::string FirstDifference(const std::string& a, const std::string& b) {
    std::size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
    const std::size_t from = at > 200 ? at - 200 : 0;
    auto readable = [&](const std::string& s) {
      std::string text;
      for (std::size_t i = from; i < s.size() && i < at + 200; ++i) {
        if (s[i] != '\0') text += s[i];
      }
      return text;
    };
    return "at byte " + std::to_string(at) + ":\n--- before\n" + readable(a) + "\n--- after\n" +
           readable(b);
  }

  void Restore(const std::string& backupFile) {
    const backup::RestoreResult restore =
        backup::RestoreRegistryFile(platform, runner, backupFile, {});
    ASSERT_TRUE(restore.ok()) << backupFile << ": " << static_cast<int>(restore.status) << " "
                              << restore.missing;
  }

  static constexpr const char* kSharedDllsBelow =
      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";
  platform::win32::Win32Registry registry;
  PrefixFiles files;
  platform::win32::Win32Locale locale;
  platform::win32::Win32Clock clock;
  platform::win32::Win32ShellLinks links;
  platform::Platform platform{registry, files, locale, clock, links};
  platform::win32::Win32ProcessRunner runner;
  bool sharedDllsExisted = false;
};

TEST_F(RegeditRoundTrip, ScanRepairEverythingAndRestoreTheBackup) {
  const std::string before = FullExport();

  model::ScanModel model;
  model.ExcludedDrives = model::BuildExcludedDriveList(files, model.abortFlag);
  model::TMyRegistryInfo settings;
  settings.SelectAll = true;
  SilentScan scanFrontEnd;
  scan::ScanContext scanContext{platform, model, settings, scanFrontEnd};
  scan::SectionChoice sharedDllsOnly{};
  sharedDllsOnly[3] = true;
  (void)scan::ScanAllSections(scanContext, sharedDllsOnly);
  ASSERT_EQ(model.SectionContents[4].size(), SharedDllsProblems().size());

  SilentConversation conversation;
  const std::vector<int> rows = model::ResultRowSections(model);
  const scan::RepairRun repair =
      scan::RunRepair({platform, kNt, model, settings}, rows, conversation);
  ASSERT_TRUE(repair.repaired);
  ASSERT_EQ(repair.backup.status, backup::RepairBackupStatus::Written);
  for (const auto& record : model.RepairContents) {
    ASSERT_EQ(record.Status, "Repaired Successfully") << record.KeyPath;
  }
  ASSERT_NE(FullExport(), before) << "the repair changed nothing";

  Restore(repair.backup.path);
  const std::string after = FullExport();
  EXPECT_TRUE(after == before) << FirstDifference(before, after);
  (void)files.DeleteFile(repair.backup.path);
}

TEST_F(RegeditRoundTrip, RestoresTargetsOfEveryKind) {
  const std::string before = FullExport();
  const std::vector<scan::RepairTarget> targets = ScratchTargets();
  const backup::RepairBackupResult backup = backup::WriteRepairBackup(platform, kNt, targets);
  ASSERT_EQ(backup.status, backup::RepairBackupStatus::Written);
  for (const scan::RepairTarget& target : targets) {
    ASSERT_NE(scan::PerformRepair(platform, target), scan::RepairOutcome::Failed)
        << target.keyPath << " " << target.valueName;
  }
  ASSERT_FALSE(
      KeyExists(registry, platform::RootKey::CurrentUser, "Software\\HalvexTests\\RoundTrip\\App"));

  Restore(backup.path);
  const std::string after = FullExport();
  EXPECT_TRUE(after == before) << FirstDifference(before, after);
  (void)files.DeleteFile(backup.path);
}

TEST_F(RegeditRoundTrip, Regedit4BackupsRestoreToo) {
  const std::string before = FullExport();
  std::vector<scan::RepairTarget> targets = ScratchTargets();
  for (const FixtureValue& value : SharedDllsProblems()) {
    targets.push_back({scan::RepairTarget::Kind::Value,
                       value.keyPath,
                       value.name.empty() ? "default" : value.name,
                       {}});
  }
  const backup::RepairBackupResult backup =
      backup::WriteRepairBackup(platform, platform::PlatformClass::Windows95Family, targets);
  ASSERT_EQ(backup.status, backup::RepairBackupStatus::Written);
  ASSERT_TRUE(files.ReadFile(backup.path).value_or("").starts_with("REGEDIT4\r\n"));
  for (const scan::RepairTarget& target : targets) {
    ASSERT_NE(scan::PerformRepair(platform, target), scan::RepairOutcome::Failed);
  }
  Restore(backup.path);
  const std::string after = FullExport();
  EXPECT_TRUE(after == before) << FirstDifference(before, after);
  (void)files.DeleteFile(backup.path);
}

// Why version 5.00 backups are UTF-16 files: in an 8-bit file with that header the registry
// editor reads hex(2) data as 8-bit bytes, so the UTF-16 byte pairs of "%SystemRoot%" come
// back as "%" (the NUL after the first byte ends the string).
TEST_F(RegeditRoundTrip, AnEightBitVersion5FileReadsHexTextAsBytes) {
  const std::string file = std::string(kProgramFolder) + "eight-bit.reg";
  ASSERT_TRUE(files.WriteFile(
      file,
      "Windows Registry Editor Version 5.00\r\n"
      "[HKEY_CURRENT_USER\\Software\\HalvexTests\\RoundTrip\\EightBit]\r\n"
      "\"p\"=hex(2):25,00,53,00,79,00,73,00,74,00,65,00,6D,00,52,00,6F,00,6F,00,74,00,25,00\r\n"));
  Restore(file);
  (void)files.DeleteFile(file);
  platform::KeyHandle key;
  ASSERT_EQ(registry.OpenKey(platform::RootHandle(platform::RootKey::CurrentUser),
                             "Software\\HalvexTests\\RoundTrip\\EightBit",
                             platform::KeyAccess::Read, key),
            platform::RegStatus::Ok);
  platform::RegValue value;
  ASSERT_EQ(platform::ReadWholeValue(registry, key, "p", value), platform::RegStatus::Ok);
  registry.CloseKey(key);
  // Every byte became a character of its own, the zero bytes too: as a string it is "%".
  const std::string data(value.data.begin(), value.data.end());
  EXPECT_EQ(data, std::string("%\0S\0y\0s\0t\0e\0m\0R\0o\0o\0t\0%\0", 24));
  EXPECT_STREQ(data.c_str(), "%");
}

// Wine's regedit ends with 0 whatever happened; a restore is told by what reached the registry.
TEST_F(RegeditRoundTrip, ARestoreIsJudgedByTheRegistryNotByTheExitCode) {
  const std::string missing = std::string(kProgramFolder) + "not-there.reg";
  EXPECT_TRUE(runner.RunHidden(backup::RegistryImportCommand(missing), {}).succeeded())
      << "Wine's regedit ends with 0 for a file that is not there";
  EXPECT_EQ(backup::RestoreRegistryFile(platform, runner, missing, {}).status,
            backup::RestoreStatus::NoFile);

  const std::string file = std::string(kProgramFolder) + "bad-value.reg";
  ASSERT_TRUE(files.WriteFile(file,
                              "REGEDIT4\r\n"
                              "[HKEY_CURRENT_USER\\Software\\HalvexTests\\RoundTrip\\Bad]\r\n"
                              "\"a\"=hex:zz\r\n"));
  const backup::RestoreResult result = backup::RestoreRegistryFile(platform, runner, file, {});
  (void)files.DeleteFile(file);
  EXPECT_EQ(result.exitCode, 0u) << "the editor skipped the line and ended well";
  EXPECT_EQ(result.status, backup::RestoreStatus::NotInRegistry);
  EXPECT_EQ(result.missing,
            "[HKEY_CURRENT_USER\\Software\\HalvexTests\\RoundTrip\\Bad] \"a\"=hex:zz");
}

}  // namespace
}  // namespace halvex::testing
