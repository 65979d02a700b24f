// The repair on the scan sheet as the user drives it: Repair with the first full backup offer,
// the backup message or the question when the backup fails, "NotAutoBackup", the repair dialog
// with Cancel, the finish list and its colours, and Finish.
#include "app/scan_sheet/repair_sheet_driver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/backup_sheet/first_full_backup_dialog.h"
#include "model/registry_object.h"
#include "tests/app/scan_sheet_fixture.h"

namespace halvex::testing {
namespace {

using app::ScanPageState;
using ::testing::ElementsAre;

constexpr const char* kRepairBackupFolder = "C:\\Program Files\\Halvex\\RepairBackup\\";
constexpr const char* kBackupMessage =
    "Registry backup complete! Backup file at \rC:\\Program Files\\Halvex\\RepairBackup\\ "
    "folder.\r\rYou can use registry restore function to restore it.\rPress OK to repair "
    "problems now!";

class RepairSheetTest : public ScanSheetTest {
 protected:
  RepairSheetTest() {
    settings.OneTime = false;
    driver.onFinishListChanged = [this] { repair.RefreshFinishList(); };
  }
  // Scans, and adds problems of a value in a key of its own to sections, as if they had found
  // them (sections whose repair deletes that value).
  void Scan(std::vector<std::pair<int, std::string>> more = {}) {
    ASSERT_TRUE(sheet.ScanNowBtn.Click());
    for (const auto& [section, name] : more) {
      const std::string key = "HKEY_CURRENT_USER\\Software\\Section" + std::to_string(section);
      machine.SetString(key, name, "x");
      model::registry_content::TContent problem;
      problem.Marked = true;
      problem.KeyPath = key;
      problem.ValueName = name;
      model.SectionContents[static_cast<std::size_t>(section)].push_back(problem);
    }
    if (!more.empty()) results.FillResultList();
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& shown : messages.shown()) texts.push_back(shown.text);
    return texts;
  }
  std::vector<std::string> FinishRows() const {
    std::vector<std::string> rows;
    for (int row = 0; row < repair.FinishListView.rowCount(); ++row) {
      const ui::ListRow data = repair.FinishListView.Row(row);
      rows.push_back(data.caption + " | " + data.subItems.at(0));
    }
    return rows;
  }
  void StoreSetting(std::string_view name, std::string_view value) {
    model::RegistryObject key(machine.registry);
    key.SetRootKey(platform::RootKey::CurrentUser);
    ASSERT_TRUE(key.OpenKey(model::kSettingsKey, true));
    ASSERT_TRUE(key.WriteString(name, value));
  }
  std::string Setting(std::string_view name) {
    model::RegistryObject key(machine.registry);
    key.SetRootKey(platform::RootKey::CurrentUser);
    if (!key.OpenKey(model::kSettingsKey, false)) return "<no key>";
    return key.ReadString(name);
  }

  ui::Form mainWindow{"THalvexMainForm"};
  app::RepairSheetDriver repair{
      sheet,
      results,
      dm,
      model,
      {{machine.platform(), desktop, editor, windows}, busy, settings, mainWindow}};
};

TEST_F(RepairSheetTest, RepairBacksUpRepairsAndShowsTheFinishList) {
  AddBrokenSharedDlls(3);
  Scan();
  ASSERT_TRUE(sheet.RepairBtn.Click());
  EXPECT_THAT(Texts(), ElementsAre(kBackupMessage));
  EXPECT_EQ(messages.shown()[0].caption, "Hal Vex");
  EXPECT_EQ(messages.shown()[0].icon, platform::MessageIcon::Information);
  EXPECT_NE(machine.Read(std::string(kRepairBackupFolder) + "_20260115_120000.reg"), "<missing>");
  EXPECT_FALSE(machine.ValueExists(kSharedDllsKey, "C:\\gone1.dll"));

  EXPECT_EQ(sheet.pageState(), ScanPageState::Finish);
  EXPECT_EQ(sheet.ScanNotebook.ActivePageName(), "Finish");
  const std::string row = std::string(kSharedDllsKey) + " | Repaired Successfully";
  EXPECT_THAT(FinishRows(), ElementsAre(row, row, row));
  EXPECT_EQ(repair.FinishListView.CellTextColor(0, 1), ui::Color::Rgb(0, 128, 0));
  EXPECT_EQ(repair.FinishListView.CellTextColor(0, 0), ui::colors::kBlack);
  EXPECT_EQ(repair.FinishListView.columns().at(1).caption, "Status");
  EXPECT_EQ(repair.FinishListView.columns().at(0).width,
            repair.FinishListView.bounds().width() - 120 - 20);
  EXPECT_EQ(repair.repairDialog(), nullptr) << "the dialog is gone";
  EXPECT_TRUE(mainWindow.enabled());
}

TEST_F(RepairSheetTest, TheFirstRepairOffersAFullBackupOnce) {
  AddBrokenSharedDlls(1);
  settings.OneTime = true;
  StoreSetting("OneTime", "0");
  std::vector<std::string> seen;
  windows.OnModal("FirstFullBackupDialog", [&](ui::Form& form) {
    auto& dialog = static_cast<app::TFirstFullBackupDialog&>(form);
    EXPECT_FALSE(dialog.abMessage.visible());
    ASSERT_TRUE(dialog.OKButton.Click());
    seen.push_back(dialog.abMessage.caption());
    seen.push_back(dialog.OKButton.caption());
    ASSERT_TRUE(dialog.OKButton.Click());  // "OK" closes it
  });
  Scan();
  ASSERT_TRUE(sheet.RepairBtn.Click());
  EXPECT_THAT(windows.modals(), ElementsAre("FirstFullBackupDialog"));
  EXPECT_THAT(seen, ElementsAre("Backup registry complete!", "OK"));
  EXPECT_NE(machine.Read("C:\\Program Files\\Halvex\\FullBackup\\Backup_20260115_120000.reg"),
            "<missing>");
  EXPECT_FALSE(settings.OneTime);
  EXPECT_EQ(Setting("OneTime"), "1");
  EXPECT_THAT(Texts(), ElementsAre(kBackupMessage)) << "then the repair backup";

  ASSERT_TRUE(sheet.FinishBtn.Click());
  AddBrokenSharedDlls(1);
  Scan();
  ASSERT_TRUE(sheet.RepairBtn.Click());
  EXPECT_EQ(windows.modals().size(), 1u) << "not offered again";
}

TEST_F(RepairSheetTest, AFullBackupThatFailsSaysSo) {
  machine.AddFile("C:\\Program Files\\Halvex\\FullBackup", "a file in the folder's place");
  app::TFirstFullBackupDialog dialog({machine.platform(), desktop, editor, windows});
  windows.Show(dialog);
  ASSERT_TRUE(dialog.OKButton.Click());
  EXPECT_EQ(dialog.abMessage.caption(), "Creating registry backup was failed.");
  EXPECT_EQ(dialog.OKButton.caption(), "OK");
  EXPECT_TRUE(dialog.OKButton.enabled());
}

TEST_F(RepairSheetTest, ABackupThatCannotBeWrittenAsksAndNoRepairsNothing) {
  AddBrokenSharedDlls(2);
  machine.AddFile("C:\\Program Files\\Halvex\\RepairBackup", "a file in the folder's place");
  Scan();
  messages.AnswerNext(platform::MessageAnswer::No);
  ASSERT_TRUE(sheet.RepairBtn.Click());
  EXPECT_THAT(Texts(), ElementsAre(std::string(scan::kRepairWithoutBackupQuestion)));
  EXPECT_EQ(messages.shown()[0].buttons, platform::MessageButtons::YesNo);
  EXPECT_TRUE(machine.ValueExists(kSharedDllsKey, "C:\\gone0.dll"));
  EXPECT_EQ(sheet.pageState(), ScanPageState::Results) << "the results stay for another try";
  EXPECT_THAT(windows.shown(), ::testing::Not(::testing::Contains("RepairDialogForm")));

  messages.AnswerNext(platform::MessageAnswer::Yes);
  ASSERT_TRUE(sheet.RepairBtn.Click());
  EXPECT_FALSE(machine.ValueExists(kSharedDllsKey, "C:\\gone0.dll"));
  EXPECT_EQ(sheet.pageState(), ScanPageState::Finish);
}

TEST_F(RepairSheetTest, NotAutoBackupShowsNoMessageAndWritesNoFile) {
  AddBrokenSharedDlls(2);
  settings.NotAutoBackup = true;
  Scan();
  ASSERT_TRUE(sheet.RepairBtn.Click());
  EXPECT_THAT(Texts(), ElementsAre());
  EXPECT_FALSE(machine.files().FolderExists(kRepairBackupFolder));
  EXPECT_EQ(FinishRows().size(), 2u);
}

TEST_F(RepairSheetTest, WithNothingMarkedThereIsNoBackupMessage) {
  AddBrokenSharedDlls(2);
  Scan();
  for (auto& problem : model.SectionContents[4]) problem.Marked = false;
  ASSERT_TRUE(sheet.RepairBtn.Click());
  EXPECT_THAT(Texts(), ElementsAre());
  EXPECT_EQ(sheet.pageState(), ScanPageState::Finish);
  EXPECT_THAT(FinishRows(), ElementsAre());
}

TEST_F(RepairSheetTest, CancelInTheSecondOfThreeSectionsLeavesTheThird) {
  AddBrokenSharedDlls(2);
  Scan({{8, "a"}, {8, "b"}, {8, "c"}, {12, "d"}});
  ASSERT_THAT(repair.ResultRowSections(), ElementsAre(0, 4, 8, 12));
  settings.NotAutoBackup = true;
  // Section 4 lets the messages through before each of its two problems, section 8 too: the
  // user presses Cancel while section 8 waits before its second problem.
  bool mainWindowWasDisabled = false;
  pump.AtPass(pump.passes() + 4, [&] {
    app::TRepairDialogForm* dialog = repair.repairDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->abRepair.caption(), "HKEY_CURRENT_USER\\Software\\Section8");
    mainWindowWasDisabled = !mainWindow.enabled();
    ASSERT_TRUE(dialog->CancelBtn.Click()) << "Cancel stays usable";
    EXPECT_FALSE(dialog->visible());
  });
  ASSERT_TRUE(sheet.RepairBtn.Click());
  EXPECT_TRUE(mainWindowWasDisabled);
  EXPECT_TRUE(mainWindow.enabled());
  EXPECT_EQ(FinishRows().size(), 3u) << "two of section 4, one of section 8";
  EXPECT_TRUE(machine.ValueExists("HKEY_CURRENT_USER\\Software\\Section8", "b"));
  EXPECT_TRUE(machine.ValueExists("HKEY_CURRENT_USER\\Software\\Section12", "d"));
  EXPECT_EQ(sheet.pageState(), ScanPageState::Finish) << "the finish page always shows";
}

TEST_F(RepairSheetTest, AFailedRepairIsPaintedRed) {
  AddBrokenSharedDlls(1);
  Scan();
  machine.registry.InjectFaults(platform::RootKey::LocalMachine,
                                "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls",
                                {.refuseDelete = true});
  ASSERT_TRUE(sheet.RepairBtn.Click());
  ASSERT_EQ(FinishRows().size(), 1u);
  EXPECT_EQ(FinishRows()[0], std::string(kSharedDllsKey) + " | Error: could not be repaired");
  EXPECT_EQ(repair.FinishListView.CellTextColor(0, 1), ui::colors::kRed);
}

TEST_F(RepairSheetTest, FinishClearsEverythingAndGoesBackToTheFirstPage) {
  AddBrokenSharedDlls(2);
  Scan();
  ASSERT_TRUE(sheet.RepairBtn.Click());
  model.abortFlag = model::abort_flag::kStopScan;  // as after an aborted scan
  ASSERT_TRUE(sheet.FinishBtn.Click());
  EXPECT_EQ(model.abortFlag, model::abort_flag::kRun);
  EXPECT_EQ(model.TotalProblemCount(), 0u);
  EXPECT_THAT(model.RepairContents, ElementsAre());
  EXPECT_EQ(repair.FinishListView.rowCount(), 0);
  EXPECT_EQ(results.RepairGrid.rowCount(), 0);
  EXPECT_EQ(sheet.pageState(), ScanPageState::First);
  EXPECT_EQ(sheet.ScanNotebook.ActivePageName(), "ScanSections");
}

TEST_F(RepairSheetTest, AScanThatFoundNothingShowsItsOneRowInTheFinishList) {
  ASSERT_TRUE(sheet.ScanNowBtn.Click());
  EXPECT_THAT(FinishRows(), ElementsAre("Problems Found: 0 | "));
}

}  // namespace
}  // namespace halvex::testing
