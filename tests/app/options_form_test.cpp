// The preferences dialog driven like a user: its pages, page changes that reload, OK and
// Cancel, the ignore list, the schedule and "Check for Update".
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/ignore_list.h"
#include "model/registry_object.h"
#include "tests/app/options_form_fixture.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string Setting(platform::Registry& registry, const char* name) {
  model::RegistryObject key(registry);
  key.SetRootKey(platform::RootKey::CurrentUser);
  if (!key.OpenKey("\\Software\\Halvex", false) || !key.ValueExists(name)) return "<none>";
  return key.ReadString(name);
}

std::vector<std::string> Rows(const ui::ListView& list) {
  std::vector<std::string> rows;
  for (int i = 0; i < list.rowCount(); ++i) {
    rows.push_back(list.Row(i).caption + " | " + list.SubItem(i, 0));
  }
  return rows;
}

TEST_F(OptionsFormTest, HasItsThreePagesAndOpensOnTheFirst) {
  app::TFormOptions& options = Open();
  EXPECT_EQ(options.caption(), "Preferences");
  EXPECT_EQ(options.bounds().size(), (ui::Size{523, 355}));
  EXPECT_EQ(options.borderStyle, ui::BorderStyle::Dialog);
  ASSERT_EQ(options.MainPageControl.pageCount(), 3);
  std::vector<std::string> tabs;
  for (const ui::Control* page : options.MainPageControl.children())
    tabs.push_back(page->caption());
  EXPECT_THAT(tabs, ElementsAre("General Settings", "Ignore List", "Scheduling"));
  EXPECT_EQ(options.MainPageControl.ActivePageName(), "GeneralSheet");
  EXPECT_TRUE(options.ChkRun.IsShowing());
  EXPECT_FALSE(options.cbActiveTask.IsShowing());
  EXPECT_EQ(options.BitBtn1.caption(), "OK");
  EXPECT_EQ(options.BtnCancel.caption(), "Cancel");
  EXPECT_THAT(options.IgnoreListView.columns(),
              ::testing::Truly([](const std::vector<ui::ListColumn>& columns) {
                return columns.size() == 2 && columns[0].caption == "Category" &&
                       columns[1].caption == "Registry Key";
              }));
}

TEST_F(OptionsFormTest, ShowingLoadsEveryPage) {
  machine.SetString(kSettingsKeyPath, "NotAutoBackup", "1");
  machine.SetString(kSettingsKeyPath, "SelectAll", "1");
  machine.SetString(kSettingsKeyPath, "CheckUpdate", "0");
  machine.SetString(kSettingsKeyPath, "Version", "3.0");
  machine.AddFile(kIgnoreFile, "Help Sections|HKEY_LOCAL_MACHINE\\H|a\r\n");
  app::TFormOptions& options = Open();
  EXPECT_FALSE(options.ChkRun.checked());
  EXPECT_TRUE(options.ChkAutoBackup.checked());
  EXPECT_TRUE(options.ChkCheckItem.checked());
  EXPECT_FALSE(options.cbCheckUpdate.checked());
  EXPECT_THAT(options.LabelVer.caption(), ::testing::StartsWith("Version: 3.0, Last Time: "));
  EXPECT_THAT(Rows(options.IgnoreListView), ElementsAre("Help Sections | HKEY_LOCAL_MACHINE\\H"));
  EXPECT_FALSE(options.cbActiveTask.checked());
  EXPECT_FALSE(options.dtpStartTime.enabled());
  EXPECT_EQ(options.dtpStartTime.hour(), 9);
  EXPECT_EQ(options.dtpStartTime.minute(), 30);
  EXPECT_FALSE(options.SpinEditDays.enabled());
  EXPECT_EQ(options.SpinEditDays.value(), 1);
}

TEST_F(OptionsFormTest, TurningToAPageReloadsItAndLosesWhatWasNotSaved) {
  machine.SetString(kSettingsKeyPath, "SelectAll", "1");
  app::TFormOptions& options = Open();
  options.ChkCheckItem.Click();
  options.ChkRun.Click();
  options.MainPageControl.PageChosen(2);
  options.cbActiveTask.Click();
  ASSERT_TRUE(options.dtpStartTime.SetTime(21, 15));
  options.SpinEditDays.SetValue(2);
  machine.AddFile(kIgnoreFile, "Fonts Sections|HKEY_LOCAL_MACHINE\\F|b\r\n");

  options.MainPageControl.PageChosen(0);
  EXPECT_TRUE(options.ChkCheckItem.checked());
  EXPECT_FALSE(options.ChkRun.checked());
  options.MainPageControl.PageChosen(1);
  EXPECT_THAT(Rows(options.IgnoreListView), ElementsAre("Fonts Sections | HKEY_LOCAL_MACHINE\\F"));
  options.MainPageControl.PageChosen(2);
  EXPECT_FALSE(options.cbActiveTask.checked());
  EXPECT_EQ(options.dtpStartTime.hour(), 9);
  EXPECT_EQ(options.dtpStartTime.minute(), 30);
  EXPECT_EQ(options.SpinEditDays.value(), 1);
  EXPECT_FALSE(options.dtpStartTime.enabled());
}

TEST_F(OptionsFormTest, OkSavesTheGeneralSettingsAndTheRecordFollows) {
  app::TFormOptions& options = Open();
  options.ChkAutoBackup.Click();
  options.ChkCheckItem.Click();
  options.ChkRun.Click();
  ASSERT_TRUE(options.BitBtn1.Click());
  EXPECT_EQ(options.modalResult(), ui::ModalResult::Ok);
  EXPECT_EQ(Setting(machine.registry, "NotAutoBackup"), "1");
  EXPECT_EQ(Setting(machine.registry, "SelectAll"), "1");
  EXPECT_EQ(Setting(machine.registry, "CheckUpdate"), "0");
  EXPECT_TRUE(settings.NotAutoBackup);
  EXPECT_TRUE(settings.SelectAll);
  EXPECT_FALSE(settings.CheckUpdate);
  EXPECT_TRUE(Open().ChkRun.checked()) << "the Run entry was written";
}

TEST_F(OptionsFormTest, CancelSavesNothing) {
  app::TFormOptions& options = Open();
  options.ChkAutoBackup.Click();
  options.MainPageControl.PageChosen(2);
  options.cbActiveTask.Click();
  ASSERT_TRUE(options.BtnCancel.Click());
  EXPECT_EQ(options.modalResult(), ui::ModalResult::Cancel);
  EXPECT_EQ(Setting(machine.registry, "NotAutoBackup"), "<none>");
  EXPECT_FALSE(settings.NotAutoBackup);
  EXPECT_FALSE(Open().cbActiveTask.checked()) << "no task was made";
}

TEST_F(OptionsFormTest, RemovingOneOfTwoIdenticalIgnoreLinesLeavesTheOtherInForce) {
  machine.AddFile(kIgnoreFile,
                  "Shared DLL's Sections|HKEY_LOCAL_MACHINE\\S|C:\\x.dll\r\n"
                  "Shared DLL's Sections|HKEY_LOCAL_MACHINE\\S|C:\\x.dll\r\n");
  app::TFormOptions& options = Open();
  options.MainPageControl.PageChosen(1);
  ASSERT_EQ(options.IgnoreListView.rowCount(), 2);
  options.RemoveSelectBtn.Click();
  EXPECT_EQ(options.IgnoreListView.rowCount(), 2) << "no row selected, nothing removed";
  options.IgnoreListView.SetSelectedIndex(1);
  ASSERT_TRUE(options.RemoveSelectBtn.Click());

  EXPECT_THAT(Rows(options.IgnoreListView),
              ElementsAre("Shared DLL's Sections | HKEY_LOCAL_MACHINE\\S"));
  EXPECT_EQ(machine.Read(kIgnoreFile), "Shared DLL's Sections|HKEY_LOCAL_MACHINE\\S|C:\\x.dll\r\n");
  model::TIgnoreContents ignored;
  ASSERT_TRUE(model::LoadIgnoreList(machine.files(), ignored));
  EXPECT_TRUE(model::IsIgnored(machine.locale, ignored, "Shared DLL's Sections",
                               "HKEY_LOCAL_MACHINE\\S", "C:\\x.dll"));
  options.BtnCancel.Click();
  EXPECT_EQ(machine.Read(kIgnoreFile), "Shared DLL's Sections|HKEY_LOCAL_MACHINE\\S|C:\\x.dll\r\n")
      << "a removal is saved at once, Cancel or not";
}

TEST_F(OptionsFormTest, TickingActiveScheduleEnablesTheTimeAtTheCurrentHour) {
  app::TFormOptions& options = Open();
  options.MainPageControl.PageChosen(2);
  options.SpinEditDays.SetValue(7);
  ASSERT_TRUE(options.cbActiveTask.Click());
  EXPECT_TRUE(options.dtpStartTime.enabled());
  EXPECT_TRUE(options.SpinEditDays.enabled());
  EXPECT_EQ(options.dtpStartTime.hour(), 14);
  EXPECT_EQ(options.dtpStartTime.minute(), 42);
  EXPECT_EQ(options.SpinEditDays.value(), 1);
  options.SpinEditDays.SetValue(7);
  ASSERT_TRUE(options.cbActiveTask.Click());
  EXPECT_FALSE(options.dtpStartTime.enabled());
  EXPECT_EQ(options.dtpStartTime.hour(), 9);
  EXPECT_EQ(options.dtpStartTime.minute(), 30);
  EXPECT_EQ(options.SpinEditDays.value(), 1);
}

TEST_F(OptionsFormTest, TheSchedule2115Every2DaysIsSavedAndShownWhenReopened) {
  app::TFormOptions& options = Open();
  options.MainPageControl.PageChosen(2);
  ASSERT_TRUE(options.cbActiveTask.Click());
  ASSERT_TRUE(options.dtpStartTime.SetTime(21, 15));
  options.SpinEditDays.SetValue(2);
  ASSERT_TRUE(options.BitBtn1.Click());

  // Reopened in this run, and after a restart with a scheduler of its own.
  for (const bool restarted : {false, true}) {
    if (restarted) session = {};
    app::TFormOptions& reopened = Open();
    reopened.MainPageControl.PageChosen(2);
    EXPECT_TRUE(reopened.cbActiveTask.checked()) << restarted;
    EXPECT_EQ(reopened.dtpStartTime.hour(), 21) << restarted;
    EXPECT_EQ(reopened.dtpStartTime.minute(), 15) << restarted;
    EXPECT_EQ(reopened.SpinEditDays.value(), 2) << restarted;
    EXPECT_TRUE(reopened.dtpStartTime.enabled()) << restarted;
    EXPECT_EQ(reopened.abTaskName.caption(), "Halvo.job") << restarted;
    EXPECT_EQ(reopened.ImageTask.fileIcon(), kProgram) << restarted;
  }
  EXPECT_EQ(schedulers.creations(), 2) << "once per run";
  EXPECT_THAT(Messages(), IsEmpty());

  // Unticked and OK: the task goes.
  app::TFormOptions& last = Open();
  last.MainPageControl.PageChosen(2);
  ASSERT_TRUE(last.cbActiveTask.Click());
  ASSERT_TRUE(last.BitBtn1.Click());
  EXPECT_FALSE(Open().cbActiveTask.checked());
  EXPECT_EQ(session.currentTask, nullptr);
}

TEST_F(OptionsFormTest, AFailedSchedulerCreationDisablesTheSchedulingPageOnly) {
  schedulers.FailCreation(platform::hresult::kClassNotRegistered);
  app::TFormOptions& options = Open();
  EXPECT_THAT(Messages(), ElementsAre("Error in ActiveX.CoCreateInstance.Error Code :80040154"));
  EXPECT_FALSE(windows.terminated()) << "the program keeps running";
  options.MainPageControl.PageChosen(2);
  EXPECT_FALSE(options.SchedulingSheet.enabled());
  EXPECT_FALSE(options.cbActiveTask.Click()) << "the box cannot be ticked";
  options.MainPageControl.PageChosen(0);
  ASSERT_TRUE(options.ChkAutoBackup.Click());
  ASSERT_TRUE(options.BitBtn1.Click());
  EXPECT_EQ(Setting(machine.registry, "NotAutoBackup"), "1");
}

TEST_F(OptionsFormTest, CheckForUpdateSaysWhenThereIsNone) {
  server.Serve(kVersionUrl, "[Version]\r\nVer=3.0\r\n");
  machine.SetString(kSettingsKeyPath, "Version", "3.0");
  app::TFormOptions& options = Open();
  ASSERT_TRUE(options.CheckUpdateBtn.Click());
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text,
            "There are no updates available at this time.\rYour Halvex is up-to-date.");
  EXPECT_EQ(messages.shown()[0].caption, "Hal Vex");
  EXPECT_EQ(messages.shown()[0].icon, platform::MessageIcon::Information);
  EXPECT_FALSE(windows.terminated());
}

TEST_F(OptionsFormTest, CheckForUpdateEndsTheProgramOnlyWhenTheUpdaterStarted) {
  server.Serve(kVersionUrl, "[Version]\r\nVer=10.0\r\n");
  machine.SetString(kSettingsKeyPath, "Version", "3.0");
  app::TFormOptions& options = Open();
  messages.AnswerNext(platform::MessageAnswer::Yes);
  processes.FailStarts(true);
  options.CheckUpdateBtn.Click();
  EXPECT_FALSE(windows.terminated()) << "the updater did not start";
  EXPECT_EQ(options.modalResult(), ui::ModalResult::None);

  processes.FailStarts(false);
  messages.AnswerNext(platform::MessageAnswer::Yes);
  options.CheckUpdateBtn.Click();
  EXPECT_TRUE(windows.terminated());
  EXPECT_NE(options.modalResult(), ui::ModalResult::None) << "the dialog closes";
  ASSERT_EQ(processes.started().size(), 2u);
  EXPECT_EQ(processes.started()[1].file, "C:\\Program Files\\Halvex\\HalvoUpdate.exe");
}

TEST_F(OptionsFormTest, AFailedDownloadEndsTheCheckSilently) {
  server.Fail(kVersionUrl, platform::HttpFailure::NoConnection);
  app::TFormOptions& options = Open();
  options.CheckUpdateBtn.Click();
  EXPECT_THAT(messages.shown(), IsEmpty());
  EXPECT_FALSE(windows.terminated());
}

}  // namespace
}  // namespace halvex::testing
