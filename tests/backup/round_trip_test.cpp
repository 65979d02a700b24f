// The proof of the undo, written once and run on every binding of the test binary: natively on
// the substitute machine, under Wine on the real registry with the system's registry editor.
// The fixture goes into the registry, the registry editor exports the whole registry, the scan
// and the repair with its backup run, the editor imports the backup, and the next whole export
// is what it was before the repair. The same again for repair targets of every kind.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "backup/registry_restore.h"
#include "backup/repair_backup.h"
#include "model/drive_checks.h"
#include "model/result_rows.h"
#include "model/scan_model.h"
#include "model/settings.h"
#include "repair/repair_driver.h"
#include "scan/scan_driver.h"
#include "scan/scan_front_end.h"
#include "tests/backup/round_trip_binding.h"
#include "tests/backup/round_trip_fixture.h"
#include "tests/platform/registry_dump.h"

namespace halvex::testing {
namespace {

constexpr platform::PlatformClass kNt = platform::PlatformClass::NtFamily;

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

// Says yes to nothing: a repair that cannot be backed up does not run.
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

// The first line at which two exports differ, to show instead of megabytes.
std::string FirstDifference(const std::string& a, const std::string& b) {
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

class RoundTrip : public ::testing::TestWithParam<RoundTripBinding> {
 protected:
  void SetUp() override {
    machine = GetParam().make();
    std::string failure;
    ASSERT_TRUE(machine->Prepare(failure)) << failure;
    ASSERT_TRUE(WriteFixture(registry(), SharedDllsProblems(), failure)) << failure;
    ASSERT_TRUE(WriteFixture(registry(), ComRegistrationProblems(), failure)) << failure;
    ASSERT_TRUE(MakeKeys(registry(), ComRegistrationKeys(), failure)) << failure;
    ASSERT_TRUE(WriteFixture(registry(), SoftwareSettingsProblems(), failure)) << failure;
    ASSERT_TRUE(WriteFixture(registry(), ScratchValues(), failure)) << failure;
    ASSERT_TRUE(MakeKeys(registry(), ScratchEmptyKeys(), failure)) << failure;
    for (const SectionFixture& fixture : ValueSectionFixtures()) {
      ASSERT_TRUE(WriteFixture(registry(), fixture.values, failure)) << failure;
      ASSERT_TRUE(MakeKeys(registry(), fixture.emptyKeys, failure)) << failure;
    }
  }

  platform::Platform& platform() { return machine->platform(); }
  platform::Registry& registry() { return machine->platform().registry; }

  void Restore(const std::string& backupFile) {
    const backup::RestoreResult restore =
        backup::RestoreRegistryFile(platform(), machine->editor(), backupFile, {});
    ASSERT_TRUE(restore.ok()) << backupFile << ": " << static_cast<int>(restore.status) << " "
                              << restore.missing << " " << machine->editorError();
  }

  void ExpectTheExportBefore(const std::string& before) {
    const std::string after = machine->FullExport();
    EXPECT_TRUE(after == before) << FirstDifference(before, after);
  }

  std::unique_ptr<RoundTripMachine> machine;
};

TEST_P(RoundTrip, ScanRepairEverythingAndRestoreTheBackup) {
  const std::string before = machine->FullExport();

  model::ScanModel model;
  model.ExcludedDrives = model::BuildExcludedDriveList(platform().files, model.abortFlag);
  model::TMyRegistryInfo settings;
  settings.SelectAll = true;
  SilentScan scanFrontEnd;
  scan::ScanContext scanContext{platform(), model, settings, scanFrontEnd};
  (void)scan::ScanAllSections(scanContext, machine->sections());
  ASSERT_EQ(model.SectionContents[4].size(), SharedDllsProblems().size());
  for (const SectionFixture& fixture : ValueSectionFixtures()) {
    // The machine may have broken entries of its own there, which go and come back as well.
    ASSERT_GE(model.SectionContents[static_cast<std::size_t>(fixture.section)].size(),
              fixture.problems)
        << "section " << fixture.section;
  }
  // The walking sections repair the problems of their own fixture keys, and leave the rest alone.
  for (int section : {1, 2, 3, 12}) {
    int fixtureProblems = 0;
    for (auto& problem : model.SectionContents[static_cast<std::size_t>(section)]) {
      problem.Marked = IsFixtureProblem(section, problem.KeyPath);
      fixtureProblems += problem.Marked ? 1 : 0;
    }
    if (machine->sections()[static_cast<std::size_t>(section - 1)]) {
      ASSERT_EQ(fixtureProblems, FixtureProblemCount(section)) << "section " << section;
    }
  }

  SilentConversation conversation;
  const std::vector<int> rows = model::ResultRowSections(model);
  const scan::RepairRun repair =
      scan::RunRepair({platform(), kNt, model, settings}, rows, conversation);
  ASSERT_TRUE(repair.repaired);
  ASSERT_EQ(repair.backup.status, backup::RepairBackupStatus::Written);
  for (const auto& record : model.RepairContents) {
    ASSERT_EQ(record.Status, "Repaired Successfully") << record.KeyPath;
  }
  ASSERT_NE(machine->FullExport(), before) << "the repair changed nothing";

  Restore(repair.backup.path);
  ExpectTheExportBefore(before);
  (void)platform().files.DeleteFile(repair.backup.path);
}

TEST_P(RoundTrip, RestoresTargetsOfEveryKind) {
  const std::string before = machine->FullExport();
  const std::vector<scan::RepairTarget> targets = ScratchTargets();
  const backup::RepairBackupResult backup = backup::WriteRepairBackup(platform(), kNt, targets);
  ASSERT_EQ(backup.status, backup::RepairBackupStatus::Written);
  for (const scan::RepairTarget& target : targets) {
    ASSERT_NE(scan::PerformRepair(platform(), target), scan::RepairOutcome::Failed)
        << target.keyPath << " " << target.valueName;
  }
  ASSERT_FALSE(KeyExists(registry(), platform::RootKey::CurrentUser,
                         "Software\\HalvexTests\\RoundTrip\\App"));
  ASSERT_EQ(
      DumpRegistry(registry(), platform::RootKey::CurrentUser, "Software\\HalvexTests\\RoundTrip"),
      ".\nOther\nOther: 'Stays' = 1 'not repaired\\0'\n");

  Restore(backup.path);
  ExpectTheExportBefore(before);
  (void)platform().files.DeleteFile(backup.path);
}

TEST_P(RoundTrip, Regedit4BackupsRestoreToo) {
  const std::string before = machine->FullExport();
  std::vector<scan::RepairTarget> targets = ScratchTargets();
  for (const FixtureValue& value : SharedDllsProblems()) {
    targets.push_back({scan::RepairTarget::Kind::Value,
                       value.keyPath,
                       value.name.empty() ? "default" : value.name,
                       {}});
  }
  const backup::RepairBackupResult backup =
      backup::WriteRepairBackup(platform(), platform::PlatformClass::Windows95Family, targets);
  ASSERT_EQ(backup.status, backup::RepairBackupStatus::Written);
  ASSERT_TRUE(platform().files.ReadFile(backup.path).value_or("").starts_with("REGEDIT4\r\n"));
  for (const scan::RepairTarget& target : targets) {
    ASSERT_NE(scan::PerformRepair(platform(), target), scan::RepairOutcome::Failed);
  }
  Restore(backup.path);
  ExpectTheExportBefore(before);
  (void)platform().files.DeleteFile(backup.path);
}

HALVEX_RUN_ON_BINDINGS(RoundTrip, RoundTripBindings);

}  // namespace
}  // namespace halvex::testing
