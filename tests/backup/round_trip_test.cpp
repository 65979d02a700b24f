// The proof of the undo, on the substitute machine: scan, repair everything with the repair
// backup, import the backup with the registry editor, and the full export of the registry is
// what it was before the repair. The same again for repair targets of every kind.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backup/registry_editor.h"
#include "backup/registry_restore.h"
#include "backup/repair_backup.h"
#include "model/key_naming.h"
#include "model/result_rows.h"
#include "platform/substitute/reg_file_reader.h"
#include "platform/substitute/substitute_registry_editor.h"
#include "repair/repair_driver.h"
#include "tests/backup/round_trip_fixture.h"
#include "tests/platform/registry_dump.h"
#include "tests/scan/scan_test_run.h"

namespace halvex::testing {
namespace {

constexpr platform::PlatformClass kNt = platform::PlatformClass::NtFamily;

// Says yes to nothing: a repair that cannot be backed up does not run.
class SilentConversation final : public scan::RepairConversation {
 public:
  void OfferFirstFullBackup() override {}
  void Inform(std::string_view) override {}
  bool AskYesNo(std::string_view) override { return false; }
  void RepairStarted() override {}
  void RepairEnded() override {}
  scan::RepairFrontEnd& frontEnd() override { return repairFrontEnd; }
  RecordingRepairFrontEnd repairFrontEnd;
};

class RoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    machine.AddFolder("C:\\Program Files\\Halvex");
    std::string failure;
    // Entries that stay as they are, around the ones the repair deletes.
    ASSERT_TRUE(WriteFixture(
        machine.registry,
        {{kRoundTripSharedDlls,
          "C:\\WINDOWS\\system32\\kept.dll",
          platform::reg_type::kDword,
          {1, 0, 0, 0}},
         {"HKEY_CLASSES_ROOT\\.txt", "", platform::reg_type::kString, {'t', 'x', 't', 0}}},
        failure))
        << failure;
    machine.AddFile("C:\\WINDOWS\\system32\\kept.dll");
    ASSERT_TRUE(WriteFixture(machine.registry, SharedDllsProblems(), failure)) << failure;
    ASSERT_TRUE(WriteFixture(machine.registry, ScratchValues(), failure)) << failure;
    ASSERT_TRUE(MakeKeys(machine.registry, ScratchEmptyKeys(), failure)) << failure;
  }

  // The whole registry as the registry editor exports it, in an order-free form: the in-memory
  // registry lists values in the order they were made, and a restored value comes last.
  std::string FullExport() {
    const std::string file = "C:\\export.reg";
    EXPECT_TRUE(editor.RunHidden(backup::RegistryExportCommand(file), {}).succeeded())
        << editor.lastError();
    const auto parsed =
        platform::substitute::ParseRegFile(machine.Read(file), machine.registry.codePage());
    if (!parsed.ok()) return "<export does not read back: " + parsed.error().message + ">";
    platform::substitute::MemoryRegistry exported;
    if (!platform::substitute::ApplyRegFile(exported, parsed.operations()).ok()) return "<apply>";
    std::string text;
    for (platform::RootKey root : platform::kNamedRoots) {
      text += model::RootKeyName(root) + "\n" + DumpRegistry(exported, root, "");
    }
    return text;
  }

  void Restore(const std::string& backupFile) {
    const backup::RestoreResult restore =
        backup::RestoreRegistryFile(machine.platform(), editor, backupFile, {});
    ASSERT_TRUE(restore.ok()) << editor.lastError() << restore.missing;
  }

  ScratchMachine machine{{}, kScanDrives};
  platform::substitute::SubstituteRegistryEditor editor{machine.registry, machine.files(),
                                                        machine.registry.codePage()};
};

TEST_F(RoundTrip, ScanRepairEverythingAndRestoreTheBackup) {
  const std::string before = FullExport();

  ScanRun run(machine);
  scan::ScanContext context = run.context();
  (void)scan::ScanAllSections(context, scan::AllSections());
  ASSERT_EQ(run.model.SectionContents[4].size(), SharedDllsProblems().size());
  SilentConversation conversation;
  const std::vector<int> rows = model::ResultRowSections(run.model);
  const scan::RepairRun repair =
      scan::RunRepair({machine.platform(), kNt, run.model, run.settings}, rows, conversation);
  ASSERT_TRUE(repair.repaired);
  ASSERT_EQ(repair.backup.status, backup::RepairBackupStatus::Written);
  for (const auto& record : run.model.RepairContents) {
    ASSERT_EQ(record.Status, "Repaired Successfully") << record.KeyPath;
  }
  const std::string repaired = FullExport();
  ASSERT_NE(repaired, before) << "the repair changed nothing";

  Restore(repair.backup.path);
  EXPECT_EQ(FullExport(), before);
}

TEST_F(RoundTrip, RestoresTargetsOfEveryKind) {
  const std::string before = FullExport();
  const std::vector<scan::RepairTarget> targets = ScratchTargets();
  const backup::RepairBackupResult backup =
      backup::WriteRepairBackup(machine.platform(), kNt, targets);
  ASSERT_EQ(backup.status, backup::RepairBackupStatus::Written);
  for (const scan::RepairTarget& target : targets) {
    ASSERT_NE(scan::PerformRepair(machine.platform(), target), scan::RepairOutcome::Failed)
        << target.keyPath << " " << target.valueName;
  }
  ASSERT_EQ(DumpRegistry(machine.registry, platform::RootKey::CurrentUser,
                         "Software\\HalvexTests\\RoundTrip"),
            ".\nOther\nOther: 'Stays' = 1 'not repaired\\0'\n");

  Restore(backup.path);
  EXPECT_EQ(FullExport(), before);
}

TEST_F(RoundTrip, Regedit4BackupsRestoreToo) {
  const std::string before = FullExport();
  std::vector<scan::RepairTarget> targets = ScratchTargets();
  for (const FixtureValue& value : SharedDllsProblems()) {
    targets.push_back({scan::RepairTarget::Kind::Value,
                       value.keyPath,
                       value.name.empty() ? "default" : value.name,
                       {}});
  }
  const backup::RepairBackupResult backup = backup::WriteRepairBackup(
      machine.platform(), platform::PlatformClass::Windows95Family, targets);
  ASSERT_EQ(backup.status, backup::RepairBackupStatus::Written);
  ASSERT_TRUE(machine.Read(backup.path).starts_with("REGEDIT4\r\n"));
  for (const scan::RepairTarget& target : targets) {
    ASSERT_NE(scan::PerformRepair(machine.platform(), target), scan::RepairOutcome::Failed);
  }
  Restore(backup.path);
  EXPECT_EQ(FullExport(), before);
}

}  // namespace
}  // namespace halvex::testing
