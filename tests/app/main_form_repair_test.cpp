// The main window with a machine and a registry editor: the scan sheet repairs, and the backup
// sheet lists the backup the repair wrote.
#include <gtest/gtest.h>

#include "app/main_window/main_form.h"
#include "tests/app/scan_sheet_fixture.h"

namespace halvex::testing {
namespace {

class MainFormRepairTest : public ScanSheetTest {
 protected:
  MainFormRepairTest() {
    settings.OneTime = false;
    form = std::make_unique<app::THalvexMainForm>(programServices, dm, settings, "");
    windows.Show(*form);
  }

  std::unique_ptr<app::THalvexMainForm> form;
};

TEST_F(MainFormRepairTest, RepairThenTheBackupSheetListsItsBackup) {
  AddBrokenSharedDlls(2);
  app::ScanSheet& scanSheet = form->scanSheet();
  ASSERT_TRUE(scanSheet.ScanNowBtn.Click());
  ASSERT_TRUE(scanSheet.RepairBtn.Click());
  EXPECT_EQ(scanSheet.pageState(), app::ScanPageState::Finish);
  EXPECT_EQ(form->repairDriver()->FinishListView.rowCount(), 2);
  EXPECT_TRUE(form->enabled()) << "the main window takes input again";
  ASSERT_TRUE(scanSheet.FinishBtn.Click());
  EXPECT_EQ(scanSheet.pageState(), app::ScanPageState::First);

  form->BackupBtnClick();
  ASSERT_NE(form->backupSheet(), nullptr);
  const ui::ListView& backups = form->backupSheet()->BackupDataListView;
  ASSERT_EQ(backups.rowCount(), 1);
  EXPECT_EQ(backups.SubItem(0, 0), "C:\\Program Files\\Halvex\\RepairBackup\\_20260115_120000.reg");
  EXPECT_EQ(backups.SubItem(0, 1), "Repair Backup");
}

TEST_F(MainFormRepairTest, AScanThatFindsNothingFillsTheFinishList) {
  ASSERT_TRUE(form->scanSheet().ScanNowBtn.Click());
  EXPECT_EQ(form->repairDriver()->FinishListView.rowCount(), 1);
  EXPECT_EQ(form->repairDriver()->FinishListView.Row(0).caption, "Problems Found: 0");
}

// The two ways to end the program from outside the window: the tray menu's "Exit" and the quit
// request that any program may post.
struct EndCase {
  const char* name;
  void (*end)(app::THalvexMainForm& form, app::TDM& dm);
};

const EndCase kEndCases[] = {
    {"Exit",
     [](app::THalvexMainForm&, app::TDM& dm) { ASSERT_TRUE(dm.MainPopupMenu.Choose("Exit1")); }},
    {"QuitRequest",
     [](app::THalvexMainForm& form, app::TDM&) { ASSERT_TRUE(form.HandleMessage(0x500, 0, 16)); }},
};

class EndingTheProgram : public MainFormRepairTest,
                         public ::testing::WithParamInterface<EndCase> {};

TEST_P(EndingTheProgram, ClearsTheSelectionOfTheResultListAndOfTheBackupList) {
  AddBrokenSharedDlls(2);
  app::ScanSheet& scanSheet = form->scanSheet();
  ASSERT_TRUE(scanSheet.ScanNowBtn.Click());
  ASSERT_TRUE(scanSheet.RepairBtn.Click());
  ASSERT_TRUE(scanSheet.FinishBtn.Click());
  form->BackupBtnClick();
  ui::ListView& backups = form->backupSheet()->BackupDataListView;
  ASSERT_EQ(backups.rowCount(), 1);
  backups.SetSelectedIndex(0);

  form->ScanBtnClick();
  AddBrokenSharedDlls(2);
  ASSERT_TRUE(scanSheet.ScanNowBtn.Click());
  ui::ListView& results = form->results().RepairGrid;
  ASSERT_GT(results.rowCount(), 1);
  results.SetSelectedIndex(1);

  GetParam().end(*form, dm);
  EXPECT_EQ(results.selectedIndex(), ui::ListView::kNone);
  EXPECT_EQ(backups.selectedIndex(), ui::ListView::kNone);
  EXPECT_TRUE(windows.terminated());
}

TEST_P(EndingTheProgram, DuringAScanStopsTheScanAtItsNextEntry) {
  AddBrokenSharedDlls(5);
  app::ScanSheet& scanSheet = form->scanSheet();
  // The user ends the program while section 4 handles its second value.
  pump.AtPassWhen(SectionFound(4, &form->scanModel()), 2, [this] { GetParam().end(*form, dm); });
  ASSERT_TRUE(scanSheet.ScanNowBtn.Click());
  EXPECT_EQ(scanSheet.sections[3].count.caption(), "2")
      << "section 4 stopped after the entry it was handling";
  for (int section = 5; section <= 17; ++section) {
    EXPECT_EQ(scanSheet.sections[static_cast<std::size_t>(section - 1)].picture.imageIndex(),
              ui::Picture::kNoImage)
        << "section " << section << " was not scanned";
  }
  EXPECT_TRUE(windows.terminated());
  EXPECT_FALSE(busy.busy());
}

INSTANTIATE_TEST_SUITE_P(Ways, EndingTheProgram, ::testing::ValuesIn(kEndCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace halvex::testing
