// The standard repair loop: marked problems only, honest statuses, Cancel, the shown key path.
#include "scan/repair_loop.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/registry_delete.h"
#include "scan/section_table.h"
#include "tests/scan/scan_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;

constexpr const char* kSharedDlls =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";

class RepairLoop : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"C:\\a.dll", "C:\\b.dll", "C:\\c.dll"}) {
      machine.SetDword(kSharedDlls, name, 1);
    }
    scan::SectionChoice choice{};
    choice[3] = true;
    scan::ScanContext context = run.context();
    (void)scan::ScanAllSections(context, choice);
    ASSERT_EQ(run.model.SectionContents[4].size(), 3u);
  }
  void Repair() {
    scan::RepairContext context{machine.platform(), run.model, repairFrontEnd};
    scan::RepairSection(context, *scan::FindSection(4));
  }
  std::vector<std::string> Statuses() const {
    std::vector<std::string> statuses;
    for (const auto& record : run.model.RepairContents) statuses.push_back(record.Status);
    return statuses;
  }

  ScratchMachine machine{{}, kScanDrives};
  ScanRun run{machine};
  RecordingRepairFrontEnd repairFrontEnd;
};

TEST_F(RepairLoop, RepairsMarkedProblemsOnly) {
  run.model.SectionContents[4][1].Marked = false;
  Repair();
  EXPECT_FALSE(machine.ValueExists(kSharedDlls, "C:\\a.dll"));
  EXPECT_TRUE(machine.ValueExists(kSharedDlls, "C:\\b.dll"));
  EXPECT_FALSE(machine.ValueExists(kSharedDlls, "C:\\c.dll"));
  EXPECT_THAT(Statuses(), ElementsAre("Repaired Successfully", "Repaired Successfully"));
  EXPECT_EQ(run.model.RepairContents[0].KeyPath, kSharedDlls);
  EXPECT_EQ(repairFrontEnd.lastCount, 2u);
  EXPECT_EQ(run.model.SectionContents[4].size(), 3u) << "the repair does not change the results";
}

TEST_F(RepairLoop, AValueAlreadyGoneCountsAsRepaired) {
  ASSERT_TRUE(model::DeleteValueByPath(machine.registry, kSharedDlls, "C:\\b.dll"));
  Repair();
  EXPECT_THAT(Statuses(), ElementsAre("Repaired Successfully", "Repaired Successfully",
                                      "Repaired Successfully"));
}

TEST_F(RepairLoop, ARefusedDeleteIsReportedAsAnError) {
  machine.registry.InjectFaults(platform::RootKey::LocalMachine,
                                "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls",
                                {.refuseDelete = true});
  Repair();
  ASSERT_EQ(run.model.RepairContents.size(), 3u);
  for (const std::string& status : Statuses()) {
    EXPECT_NE(status.find("Error"), std::string::npos) << status;
  }
  EXPECT_TRUE(machine.ValueExists(kSharedDlls, "C:\\a.dll"));
}

TEST_F(RepairLoop, CancelStopsBeforeTheNextProblem) {
  repairFrontEnd.onProcessMessages = [this] {
    if (run.model.RepairContents.size() == 1) run.model.abortFlag = model::abort_flag::kStopRepair;
  };
  Repair();
  EXPECT_EQ(run.model.RepairContents.size(), 1u);
  EXPECT_TRUE(machine.ValueExists(kSharedDlls, "C:\\b.dll"));
}

TEST(PerformRepair, ARecordWhoseRepairChangesNothingIsDoneAndTouchesNothing) {
  ScratchMachine machine;
  machine.SetDword(kSharedDlls, "C:\\a.dll", 1);
  const scan::RepairTarget unchanged{scan::RepairTarget::Kind::NoChange, kSharedDlls, "C:\\a.dll",
                                     "C:\\a.dll"};
  // A refused open shows any attempt: a delete would fail and the target would seem gone.
  machine.registry.InjectFaults(platform::RootKey::LocalMachine,
                                "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls",
                                {.refuseOpen = true});
  EXPECT_EQ(scan::PerformRepair(machine.platform(), unchanged), scan::RepairOutcome::Done);
  machine.registry.InjectFaults(platform::RootKey::LocalMachine,
                                "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls", {});
  EXPECT_TRUE(machine.ValueExists(kSharedDlls, "C:\\a.dll"));
}

TEST(ShownKeyPath, HidesOnlyTheLeadingRootName) {
  const scan::SectionRow& comSection = *scan::FindSection(1);
  EXPECT_EQ(scan::ShownKeyPath(comSection, "HKEY_CLASSES_ROOT\\CLSID\\{x}"), "\\CLSID\\{x}");
  EXPECT_EQ(scan::ShownKeyPath(comSection, "HKEY_CLASSES_ROOT\\Old\\HKEY_CLASSES_ROOT"),
            "\\Old\\HKEY_CLASSES_ROOT");
  EXPECT_EQ(scan::ShownKeyPath(*scan::FindSection(4), kSharedDlls), kSharedDlls);
}

}  // namespace
}  // namespace halvex::testing
