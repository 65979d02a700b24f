// The backup sheet and the full registry backup window as the user drives them: the lists,
// Restore and Remove with their questions and messages, the hidden detail list, and a full
// backup made through the registry editor.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/backup_sheet/backup_messages.h"
#include "app/backup_sheet/backup_sheet.h"
#include "app/backup_sheet/reg_backup_form.h"
#include "tests/support/substitute_program.h"

namespace halvex::testing {
namespace {

using platform::MessageAnswer;
using ::testing::ElementsAre;

constexpr const char* kFolder = "C:\\Program Files\\Halvex\\RepairBackup\\";
constexpr platform::FileTime kSecond = 10000000ull;
constexpr platform::FileTime kJan31 = 133511847070000000ull;  // 2024-01-31 14:25:07 UTC

class BackupWindowsTest : public ::testing::Test, protected SubstituteProgram {
 protected:
  BackupWindowsTest() {
    machine.AddFolder("C:\\Program Files\\Halvex");
    sheetPanel.SetBounds(ui::Rect::At(0, 0, 541, 449));
    windows.Show(host);
    host.AddChild(sheetPanel);
  }
  // A repair backup that sets HKCU\Software\App "v" to `value`.
  std::string AddBackup(const std::string& name, platform::FileTime created, char value = '1') {
    const std::string path = kFolder + name;
    machine.AddFile(
        path, std::string("REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\App]\r\n\"v\"=\"") + value +
                  "\"\r\n");
    EXPECT_TRUE(machine.files().SetTimes(path, created, created));
    return path;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& shown : messages.shown()) texts.push_back(shown.text);
    return texts;
  }
  std::vector<std::string> Rows(const ui::ListView& list) const {
    std::vector<std::string> rows;
    for (int row = 0; row < list.rowCount(); ++row) {
      std::string text = list.Row(row).caption;
      for (const std::string& sub : list.Row(row).subItems) text += " | " + sub;
      rows.push_back(text);
    }
    return rows;
  }

  app::TDM dm{system, windows, false, nullptr};
  app::BackupServices services{machine.platform(), desktop, editor, windows};
  ui::Form host{"THalvexMainForm"};
  ui::Panel sheetPanel{"BackupSheet"};
  app::BackupSheetView sheet{sheetPanel, dm, services};
};

TEST_F(BackupWindowsTest, TheSheetListsRepairBackupsNewestFirst) {
  AddBackup("_20240131_142507.reg", kJan31);
  AddBackup("_20240131_142509.reg", kJan31 + 2 * kSecond);
  machine.AddFile(std::string(kFolder) + "startup.dat", "not a backup");
  sheet.ListRepairBackups();
  EXPECT_THAT(Rows(sheet.BackupDataListView),
              ElementsAre("01/31/2024 14:25:09 | " + std::string(kFolder) +
                              "_20240131_142509.reg | Repair Backup",
                          "01/31/2024 14:25:07 | " + std::string(kFolder) +
                              "_20240131_142507.reg | Repair Backup"));
  EXPECT_EQ(sheet.BackupDataListView.columns().at(2).align, ui::TextAlign::Center);
}

TEST_F(BackupWindowsTest, RestoreAsksImportsAndSaysHowItWent) {
  AddBackup("_20240131_142507.reg", kJan31, '7');
  sheet.ListRepairBackups();
  ASSERT_TRUE(sheet.RestoreRegistryBtn.Click());
  EXPECT_THAT(Texts(), ElementsAre(app::kNoBackupSelected));

  sheet.BackupDataListView.SetSelectedIndex(0);
  messages.AnswerNext(MessageAnswer::No);
  ASSERT_TRUE(sheet.RestoreRegistryBtn.Click());
  EXPECT_FALSE(machine.ValueExists("HKEY_CURRENT_USER\\Software\\App", "v"))
      << "No imports nothing";

  messages.AnswerNext(MessageAnswer::Yes);
  ASSERT_TRUE(sheet.RestoreRegistryBtn.Click());
  EXPECT_TRUE(machine.ValueExists("HKEY_CURRENT_USER\\Software\\App", "v"));
  EXPECT_THAT(Texts(), ElementsAre(app::kNoBackupSelected, app::kRestoreQuestion,
                                   app::kRestoreQuestion, app::kRestoreDone));
  EXPECT_EQ(messages.shown()[1].icon, platform::MessageIcon::Information);
  EXPECT_EQ(messages.shown()[1].buttons, platform::MessageButtons::YesNo);
}

TEST_F(BackupWindowsTest, RestoreCopiesTheShortcutsBackAndNamesThoseItLeft) {
  AddBackup("_20240131_142507.reg", kJan31);
  const std::string copies = std::string(kFolder) + "_20240131_142507\\C\\";
  machine.AddFile(copies + "Desktop\\gone.lnk", "copy of gone");
  machine.AddFile(copies + "taken.lnk", "copy of taken");
  machine.AddFile("C:\\taken.lnk", "made since");
  sheet.ListRepairBackups();
  sheet.BackupDataListView.SetSelectedIndex(0);
  messages.AnswerNext(MessageAnswer::Yes);
  ASSERT_TRUE(sheet.RestoreRegistryBtn.Click());
  EXPECT_EQ(machine.Read("C:\\Desktop\\gone.lnk"), "copy of gone");
  EXPECT_EQ(machine.Read("C:\\taken.lnk"), "made since");
  EXPECT_THAT(Texts(), ElementsAre(app::kRestoreQuestion,
                                   std::string(app::kShortcutsNotRestored) + "\rC:\\taken.lnk",
                                   app::kRestoreDone));
}

TEST_F(BackupWindowsTest, ARestoreTheEditorRefusesIsReportedAsFailed) {
  const std::string path = AddBackup("_20240131_142507.reg", kJan31);
  ASSERT_TRUE(
      machine.files().WriteFile(path, "REGEDIT4\r\n[HKEY_CURRENT_USER\\App]\r\n\"v\"=hex:zz\r\n"));
  sheet.ListRepairBackups();
  sheet.BackupDataListView.SetSelectedIndex(0);
  messages.AnswerNext(MessageAnswer::Yes);
  ASSERT_TRUE(sheet.RestoreRegistryBtn.Click());
  EXPECT_EQ(Texts().back(), app::kRestoreFailed);
  EXPECT_EQ(messages.shown().back().icon, platform::MessageIcon::Warning);
}

TEST_F(BackupWindowsTest, RemoveDeletesTheFileAndItsRowOrSaysWhyNot) {
  const std::string first = AddBackup("_20240131_142507.reg", kJan31);
  const std::string locked = AddBackup("_20240131_142508.reg", kJan31 + kSecond);
  sheet.ListRepairBackups();

  sheet.BackupDataListView.SetSelectedIndex(1);
  messages.AnswerNext(MessageAnswer::Yes);
  ASSERT_TRUE(sheet.RemoveBackupBtn.Click());
  EXPECT_EQ(machine.Read(first), "<missing>");
  EXPECT_EQ(sheet.BackupDataListView.rowCount(), 1);
  EXPECT_EQ(Texts().back(), app::kRemoveDone);

  ASSERT_TRUE(machine.files().SetAttributes(locked, platform::file_attribute::kReadOnly));
  sheet.BackupDataListView.SetSelectedIndex(0);
  messages.AnswerNext(MessageAnswer::Yes);
  ASSERT_TRUE(sheet.RemoveBackupBtn.Click());
  EXPECT_EQ(Texts().back(), app::kRemoveFailed);
  EXPECT_EQ(messages.shown().back().icon, platform::MessageIcon::Warning);
  EXPECT_EQ(sheet.BackupDataListView.rowCount(), 1);
}

TEST_F(BackupWindowsTest, RemovingAFileThatIsGoneDoesNothing) {
  const std::string path = AddBackup("_20240131_142507.reg", kJan31);
  sheet.ListRepairBackups();
  ASSERT_TRUE(machine.files().DeleteFile(path));
  sheet.BackupDataListView.SetSelectedIndex(0);
  messages.AnswerNext(MessageAnswer::Yes);
  ASSERT_TRUE(sheet.RemoveBackupBtn.Click());
  EXPECT_THAT(Texts(), ElementsAre(app::kRemoveQuestion));
  EXPECT_EQ(sheet.BackupDataListView.rowCount(), 1) << "the row stays";
}

TEST_F(BackupWindowsTest, SelectingABackupReadsItsLinesIntoTheHiddenDetailList) {
  AddBackup("_20240131_142507.reg", kJan31);
  sheet.ListRepairBackups();
  sheet.BackupDataListView.SetSelectedIndex(0);
  EXPECT_THAT(Rows(sheet.DetailBackupListView),
              ElementsAre(" | [HKEY_CURRENT_USER\\Software\\App] | \"v\"=\"1\""));
  EXPECT_FALSE(sheet.DetailBackupListView.IsShowing());
  EXPECT_FALSE(sheet.cbBackupSelectAll.IsShowing());
  ASSERT_TRUE(sheet.DetailBackupListView.SetChecked(0, false));
  EXPECT_FALSE(sheet.details().at(0).Marked);
  sheet.cbBackupSelectAll.SetChecked(true);
  EXPECT_TRUE(sheet.details().at(0).Marked);
  sheet.BackupDataListView.SetSelectedIndex(ui::ListView::kNone);
  EXPECT_EQ(sheet.DetailBackupListView.rowCount(), 0);
}

TEST_F(BackupWindowsTest, FullBackupOpensTheFullBackupWindow) {
  std::vector<std::string> rows;
  windows.OnModal("RegBackupForm", [&](ui::Form& form) {
    auto& window = static_cast<app::TRegBackupForm&>(form);
    ASSERT_TRUE(window.BackupRegistryBtn.Click());
    rows = Rows(window.BackupDataListView);
    ASSERT_TRUE(window.CloseBtn.Click());
  });
  ASSERT_TRUE(sheet.FullBackupBtn.Click());
  EXPECT_THAT(windows.modals(), ElementsAre("RegBackupForm"));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_THAT(rows[0], ::testing::EndsWith(
                           "C:\\Program Files\\Halvex\\FullBackup\\Backup_20260115_120000.reg"));
}

class RegBackupFormTest : public BackupWindowsTest {
 protected:
  RegBackupFormTest() { windows.Show(form); }
  app::TRegBackupForm form{services, dm};
};

TEST_F(RegBackupFormTest, BackupExportsTheWholeRegistryAndListsItFirst) {
  machine.SetDword("HKEY_CURRENT_USER\\Software\\App", "n", 5);
  machine.AddFile("C:\\Program Files\\Halvex\\FullBackup\\Backup_20240101_000000.reg", "old");
  ASSERT_TRUE(machine.files().SetTimes(
      "C:\\Program Files\\Halvex\\FullBackup\\Backup_20240101_000000.reg", kJan31, kJan31));
  form.ListFullBackups();
  ASSERT_TRUE(form.BackupRegistryBtn.Click());
  EXPECT_THAT(windows.shown(), ::testing::Contains("HintForm"));
  EXPECT_THAT(Texts(), ElementsAre(app::kFullBackupCreated));
  const std::string path = "C:\\Program Files\\Halvex\\FullBackup\\Backup_20260115_120000.reg";
  EXPECT_NE(machine.Read(path).find(std::string("A\0p\0p\0", 6)), std::string::npos)
      << "the export holds the registry";
  ASSERT_EQ(form.BackupDataListView.rowCount(), 2);
  EXPECT_EQ(form.BackupDataListView.SubItem(0, 0), path) << "the newest first";

  ASSERT_TRUE(form.BackupRegistryBtn.Click());
  EXPECT_EQ(form.BackupDataListView.rowCount(), 3) << "the same second does not overwrite";
}

TEST_F(RegBackupFormTest, ABackupThatFailsSaysSo) {
  machine.AddFile("C:\\Program Files\\Halvex\\FullBackup", "a file in the folder's place");
  ASSERT_TRUE(form.BackupRegistryBtn.Click());
  EXPECT_THAT(Texts(), ElementsAre(app::kFullBackupFailed));
}

TEST_F(RegBackupFormTest, TheFileColumnTakesTheRestOfTheWidth) {
  EXPECT_EQ(form.caption(), "Full Registry Backup");
  EXPECT_EQ(form.bounds().size(), (ui::Size{688, 453}));
  EXPECT_EQ(form.BackupDataListView.columns().at(0).width, 150);
  EXPECT_EQ(form.BackupDataListView.columns().at(1).width,
            form.BackupDataListView.bounds().width() - 150 - 24);
}

}  // namespace
}  // namespace halvex::testing
