// The tray icon, its menu, and the messages the main window takes from the tray and from other
// copies of the program.
#include <gtest/gtest.h>

#include "tests/app/main_form_fixture.h"

namespace halvex::testing {
namespace {

constexpr std::uint32_t kTray = 0x500;
constexpr std::uint32_t kRestore = 0x2400;

TEST_F(MainFormTest, TheTrayMenuHasItsItemsInOrder) {
  Make();
  const ui::PopupMenu& menu = dm->MainPopupMenu;
  std::vector<std::string> captions;
  for (const ui::MenuItem& item : menu.items) captions.push_back(item.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"Hal Vex", "Halvex Home Page", "About", "",
                                                "Update online", "", "Exit"}));
  EXPECT_TRUE(menu.items[0].isDefault);
  EXPECT_EQ(menu.items[0].imageIndex, 0);
  EXPECT_EQ(menu.items[4].imageIndex, 1);
  EXPECT_EQ(menu.imageList, &dm->PopupImageList);
}

TEST_F(MainFormTest, ADoubleClickOnTheIconRestoresTheWindow) {
  Make();
  form->CloseBtn.Click();
  ASSERT_TRUE(form->HandleMessage(kTray, 0, 0x203));
  EXPECT_FALSE(windows.IsApplicationMinimized());
  EXPECT_EQ(windows.restores(), 1);
}

TEST_F(MainFormTest, TheRightButtonShowsTheMenuAtThePointer) {
  Make();
  windows.cursor = {1200, 1000};
  windows.PickFromNextMenu("Home1");
  ASSERT_TRUE(form->HandleMessage(kTray, 0, 0x204));
  ASSERT_EQ(windows.menus().size(), 1u);
  EXPECT_EQ(windows.menus()[0].menu, "MainPopupMenu");
  EXPECT_EQ(windows.menus()[0].at, (ui::Point{1200, 1000}));
  ASSERT_EQ(processes.started().size(), 1u);
  EXPECT_EQ(processes.started()[0].file, "http://www.halvex.example/");
}

TEST_F(MainFormTest, OtherTrayEventsAndOtherMessagesChangeNothing) {
  Make();
  EXPECT_TRUE(form->HandleMessage(kTray, 0, 0x200)) << "mouse moves over the icon are taken";
  EXPECT_FALSE(form->HandleMessage(0x401, 0, 16));
  EXPECT_FALSE(windows.terminated());
  EXPECT_TRUE(windows.menus().empty());
  EXPECT_EQ(windows.restores(), 0);
}

TEST_F(MainFormTest, TheQuitRequestStopsAScanClearsTheSelectionsAndEnds) {
  Make();
  ui::ListView& results = form->results().RepairGrid;
  results.AddRow({"All Problems", {"0", "0"}});
  results.SetSelectedIndex(0);
  ASSERT_TRUE(form->HandleMessage(kTray, 0, 16));
  EXPECT_EQ(form->scanModel().abortFlag, model::abort_flag::kStopScan);
  EXPECT_EQ(results.selectedIndex(), ui::ListView::kNone);
  EXPECT_TRUE(windows.terminated());
}

TEST_F(MainFormTest, AQuitRequestDuringALongLoopEndsTheLoopAtItsNextItem) {
  Make();
  // Another program posts the quit request while the loop pumps for the third time.
  pump.AtPass(3, [&] { form->HandleMessage(kTray, 0, 16); });
  int items = 0;
  {
    const auto loop = busy.Busy();
    while (form->scanModel().abortFlag != model::abort_flag::kStopScan && items < 100) {
      ++items;
      pump.ProcessMessages();
    }
  }
  EXPECT_EQ(items, 3);
  EXPECT_TRUE(windows.terminated());
}

TEST_F(MainFormTest, ExitStopsAScanClearsTheSelectionsAndEnds) {
  Make();
  ui::ListView& results = form->results().RepairGrid;
  results.AddRow({"All Problems", {"0", "0"}});
  results.SetSelectedIndex(0);
  ASSERT_TRUE(dm->MainPopupMenu.Choose("Exit1"));
  EXPECT_EQ(form->scanModel().abortFlag, model::abort_flag::kStopScan);
  EXPECT_EQ(results.selectedIndex(), ui::ListView::kNone);
  EXPECT_TRUE(windows.terminated());
}

TEST_F(MainFormTest, TheMenuOpensTheWindowTheAboutDialogAndTheUpdateCheck) {
  int updateChecks = 0;
  Make({.checkForUpdate = [&] { ++updateChecks; }});
  windows.MinimizeApplication();
  dm->MainPopupMenu.Choose("OpenMenu");
  EXPECT_FALSE(windows.IsApplicationMinimized());
  dm->MainPopupMenu.Choose("About1");
  EXPECT_EQ(windows.modals(), (std::vector<std::string>{"AboutForm"}));
  dm->MainPopupMenu.Choose("OnlineUpdate1");
  EXPECT_EQ(updateChecks, 1);
}

TEST_F(MainFormTest, TheRestoreMessageBringsBackOnlyAMinimizedWindow) {
  Make();
  ASSERT_TRUE(form->HandleMessage(kRestore, 0, 0));
  EXPECT_EQ(windows.restores(), 0) << "a visible window stays as it is";
  form->CloseBtn.Click();
  ASSERT_TRUE(form->HandleMessage(kRestore, 0, 0));
  EXPECT_EQ(windows.restores(), 1);
  EXPECT_FALSE(windows.IsApplicationMinimized());
}

// A restarted taskbar has lost every icon; the program puts its own back, or the user could no
// longer reach a program hidden in the tray.
TEST_F(MainFormTest, ARestartedTaskbarGetsTheIconBack) {
  Make();
  windows.RestartTaskbar();
  ASSERT_TRUE(windows.trayIcons().empty());
  form->TaskbarCreated();
  ASSERT_EQ(windows.trayIcons().size(), 1u);
  EXPECT_EQ(windows.trayIcons()[0].first.callbackMessage, 0x500u);
  EXPECT_EQ(windows.trayIcons()[0].first.tip, "Hal Vex");
  EXPECT_EQ(windows.trayIcons()[0].second, "HalvexMainForm");
}

// Without an icon (the taskbar was not ready at start-up) a hidden program could not be reached
// again: closing only minimizes it, until the taskbar comes and the icon with it.
TEST_F(MainFormTest, WithoutATrayIconClosingMinimizesAndKeepsTheTaskbarButton) {
  windows.FailTrayIcons(true);
  Make();
  ASSERT_TRUE(windows.trayIcons().empty());
  ASSERT_TRUE(form->CloseBtn.Click());
  EXPECT_TRUE(windows.IsApplicationMinimized());
  EXPECT_FALSE(windows.taskbarHidden());
  EXPECT_FALSE(windows.terminated());

  windows.FailTrayIcons(false);
  windows.RestoreApplication();
  form->TaskbarCreated();
  ASSERT_EQ(windows.trayIcons().size(), 1u);
  ASSERT_TRUE(form->CloseBtn.Click());
  EXPECT_TRUE(windows.taskbarHidden()) << "with the icon back, closing hides in the tray again";
}

// With user account control the copy that stays is elevated, and the system drops messages at
// WM_USER and above from less privileged programs unless the window allows them: exactly the
// restore message of a second start and the tray's (the quit request) are allowed.
TEST_F(MainFormTest, TheMainWindowAcceptsTheRestoreAndTrayMessagesFromOtherPrograms) {
  Make();
  ASSERT_EQ(windows.messagesAllowed().size(), 1u);
  EXPECT_EQ(windows.messagesAllowed()[0].first, "HalvexMainForm");
  EXPECT_EQ(windows.messagesAllowed()[0].second, (std::vector<std::uint32_t>{kRestore, kTray}));
}

TEST_F(MainFormTest, TheIconGoesWithTheWindowAndTheMenuForgetsIt) {
  Make();
  form.reset();
  EXPECT_TRUE(windows.trayIcons().empty());
  EXPECT_FALSE(dm->MainPopupMenu.Item("Exit1")->onClick);
}

TEST(TrayIconModel, TheTipIsCutToSixtyThreeCharacters) {
  ui::TrayIcon icon;
  icon.SetTip(std::string(70, 'x'));
  EXPECT_EQ(icon.tip.size(), 63u);
  icon.SetTip("Hal Vex");
  EXPECT_EQ(icon.tip, "Hal Vex");
}

TEST_F(MainFormTest, TheScanTimerTicksEveryTwentyMillisecondsOnlyWhenEnabled) {
  Make();
  EXPECT_EQ(dm->ScanTimer.interval(), 20u);
  EXPECT_FALSE(dm->ScanTimer.enabled());
  ASSERT_EQ(windows.timers().size(), 1u);
  EXPECT_EQ(windows.timers()[0], &dm->ScanTimer);
  int ticks = 0;
  dm->ScanTimer.onTimer = [&] { ++ticks; };
  dm->ScanTimer.Tick();
  dm->ScanTimer.SetEnabled(true);
  dm->ScanTimer.Tick();
  EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace halvex::testing
