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

}  // namespace
}  // namespace halvex::testing
