// The main window: its look at start, the sheet buttons, the tool links and the header.
#include <gtest/gtest.h>

#include "app/shared/link_style.h"
#include "model/vendor_config.h"
#include "tests/app/main_form_fixture.h"
#include "tools/tool_table.h"

namespace halvex::testing {
namespace {

using tools::ToolKind;

TEST_F(MainFormTest, StartsOnTheScanSheetWithItsCaptionRegionAndTrayIcon) {
  Make();
  EXPECT_EQ(form->windowClass(), "THalvexMainForm");
  EXPECT_EQ(form->caption(), "Hal Vex v3.0");
  EXPECT_EQ(form->bounds().size(), (ui::Size{700, 540}));
  ASSERT_TRUE(form->region().has_value());
  EXPECT_EQ(form->region()->area, (ui::Rect{-2, -2, 702, 542}));
  EXPECT_EQ(form->region()->ellipseWidth, 24);
  EXPECT_EQ(form->MainNotebook.ActivePageName(), "ScanSheet");
  EXPECT_EQ(form->scanSheet().ScanNotebook.ActivePageName(), "ScanSections");
  EXPECT_EQ(form->ScanBtn.imageIndex(), 0);
  EXPECT_EQ(form->BackupBtn.imageIndex(), 3);
  EXPECT_EQ(form->AdvanceBtn.imageIndex(), 5);
  EXPECT_EQ(form->AboutBtn.DisplayedImage(), 6);
  for (const tools::ToolEntry& tool : tools::kTools) {
    EXPECT_FALSE(form->ToolLink(tool.kind).IsShowing()) << tool.linkName;
  }
  // The tip is the caption the window had when the icon was added.
  ASSERT_EQ(windows.trayIcons().size(), 1u);
  EXPECT_EQ(windows.trayIcons()[0].first.tip, "Hal Vex");
  EXPECT_EQ(windows.trayIcons()[0].first.callbackMessage, 0x500u);
  EXPECT_EQ(windows.trayIcons()[0].second, "HalvexMainForm");
  EXPECT_EQ(form->scanModel().ExcludedDrives, (std::vector<std::string>{"E:"}))
      << "the CD-ROM drive is listed once, at creation";
}

struct SheetCase {
  const char* button;
  const char* sheet;
  int scanImage, backupImage, advanceImage;
  bool linksShow;
};

class SheetButtons : public MainFormTest, public ::testing::WithParamInterface<SheetCase> {};

TEST_P(SheetButtons, ShowTheirSheetPressedPictureAndLinksOfTheAdvancedSheetOnly) {
  const SheetCase c = GetParam();
  Make();
  // Start from the Advanced sheet, so that every button changes something.
  ASSERT_TRUE(form->AdvanceBtn.Click());
  ASSERT_TRUE(form->FindAs<ui::Picture>(c.button)->Click());

  EXPECT_EQ(form->MainNotebook.ActivePageName(), c.sheet);
  EXPECT_EQ(form->ScanBtn.imageIndex(), c.scanImage);
  EXPECT_EQ(form->BackupBtn.imageIndex(), c.backupImage);
  EXPECT_EQ(form->AdvanceBtn.imageIndex(), c.advanceImage);
  for (const tools::ToolEntry& tool : tools::kTools) {
    EXPECT_EQ(form->ToolLink(tool.kind).IsShowing(), c.linksShow && !tool.hidden) << tool.linkName;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, SheetButtons,
                         ::testing::Values(SheetCase{"ScanBtn", "ScanSheet", 0, 3, 5, false},
                                           SheetCase{"BackupBtn", "BackupSheet", 1, 2, 5, false},
                                           SheetCase{"AdvanceBtn", "AdvancedSheet", 1, 3, 4, true}),
                         [](const auto& info) { return std::string(info.param.button); });

TEST_F(MainFormTest, TheDuplicateFilesToolStaysHiddenOnTheAdvancedSheet) {
  Make();
  form->AdvanceBtn.Click();
  EXPECT_FALSE(form->ToolLink(ToolKind::DeleteDuplicateFiles).IsShowing());
  EXPECT_FALSE(form->Pair(ToolKind::DeleteDuplicateFiles).image.IsShowing());
  EXPECT_FALSE(form->Pair(ToolKind::DeleteDuplicateFiles).label.IsShowing());
  EXPECT_TRUE(form->Pair(ToolKind::ErrorUtilities).label.IsShowing());
  EXPECT_EQ(form->Pair(ToolKind::StartupManager).label.caption(), "Startup Manager");
  EXPECT_EQ(form->Pair(ToolKind::RestorePoint).label.caption(), "System Restore Point");
  EXPECT_TRUE(form->abOnlyXPMsg.IsShowing());
}

TEST_F(MainFormTest, ScanButtonReturnsToTheFirstStateAndClearsTheAbortFlag) {
  int backupListFills = 0;
  Make({.fillBackupList = [&] { ++backupListFills; }});
  form->BackupBtn.Click();
  EXPECT_EQ(backupListFills, 1);
  form->scanModel().abortFlag = model::abort_flag::kStopScan;
  form->scanSheet().sections[3].picture.SetTag(0);
  form->scanSheet().sections[3].count.SetCaption("5");
  form->scanSheet().ScanNotebook.SetPageIndex(2);

  form->ScanBtn.Click();

  EXPECT_EQ(form->scanModel().abortFlag, model::abort_flag::kRun);
  EXPECT_EQ(form->scanSheet().ScanNotebook.ActivePageName(), "ScanSections");
  EXPECT_EQ(form->scanSheet().sections[3].picture.tag(), 1);
  EXPECT_EQ(form->scanSheet().sections[3].picture.imageIndex(), 1);
  EXPECT_EQ(form->scanSheet().sections[3].count.caption(), "");
  EXPECT_TRUE(form->scanSheet().ScanNowBtn.IsShowing());
}

TEST_F(MainFormTest, SheetButtonsDoNothingWhileALongLoopRuns) {
  Make();
  form->AdvanceBtn.Click();
  int toolsMade = 0;
  form->tools().SetFactory(ToolKind::TweakMemory, [&] {
    ++toolsMade;
    return std::make_unique<tools::ToolWindow>("TweakRamForm");
  });
  form->ToolLink(ToolKind::TweakMemory).Click();
  ASSERT_NE(form->tools().Existing(ToolKind::TweakMemory), nullptr);
  {
    const auto loop = busy.Busy();
    for (ui::Picture* button : {&form->ScanBtn, &form->BackupBtn, &form->AdvanceBtn}) {
      button->Click();
      EXPECT_EQ(form->MainNotebook.ActivePageName(), "AdvancedSheet") << button->name();
      EXPECT_NE(form->tools().Existing(ToolKind::TweakMemory), nullptr)
          << button->name() << " destroyed the tool under its running loop";
    }
    form->ToolLink(ToolKind::StartupManager).Click();
    EXPECT_FALSE(form->ToolLink(ToolKind::StartupManager).font().underline);
  }
  form->ScanBtn.Click();
  EXPECT_EQ(form->MainNotebook.ActivePageName(), "ScanSheet");
  EXPECT_EQ(form->tools().Existing(ToolKind::TweakMemory), nullptr);
  EXPECT_EQ(toolsMade, 1);
}

TEST_F(MainFormTest, TheLastOpenedToolsLinkIsUnderlinedUntilTheAdvancedButton) {
  Make();
  form->AdvanceBtn.Click();
  form->ToolLink(ToolKind::CleanHistory).Click();
  form->Pair(ToolKind::OptimizeSystem).image.Click();
  for (const tools::ToolEntry& tool : tools::kTools) {
    EXPECT_EQ(form->ToolLink(tool.kind).font().underline, tool.kind == ToolKind::OptimizeSystem)
        << tool.linkName;
  }
  form->AdvanceBtn.Click();
  for (const tools::ToolEntry& tool : tools::kTools) {
    EXPECT_FALSE(form->ToolLink(tool.kind).font().underline) << tool.linkName;
  }
}

TEST_F(MainFormTest, LinksTurnBlueWhileThePointerIsOverThemAndPairsTogether) {
  Make();
  form->AdvanceBtn.Click();
  ui::Label& link = form->ToolLink(ToolKind::StartupManager);
  link.MouseEnter();
  EXPECT_EQ(link.font().color, ui::Color::Rgb(0x33, 0x77, 0xFF));
  link.MouseLeave();
  EXPECT_EQ(link.font().color, ui::colors::kBlack);

  auto& pair = form->Pair(ToolKind::BlockActiveX);
  pair.image.MouseEnter();
  EXPECT_EQ(pair.label.font().color, ui::Color::Rgb(0x33, 0x77, 0xFF));
  pair.image.MouseLeave();
  EXPECT_EQ(pair.label.font().color, ui::colors::kBlack);
  EXPECT_EQ(form->Pair(ToolKind::ErrorUtilities).label.hint,
            "For some system errors are tough to fix, it is strongly required to use special "
            "error utilities to fix these errors.");
}

struct RestorePointCase {
  std::uint32_t platformId;
  bool opens;
  bool warns;
};

class RestorePointLink : public MainFormTest,
                         public ::testing::WithParamInterface<RestorePointCase> {};

TEST_P(RestorePointLink, OpensOnTheNtFamilyWarnsOnWindows95AndOtherwiseDoesNothing) {
  const RestorePointCase c = GetParam();
  system.version.platformId = c.platformId;
  Make();
  form->tools().SetFactory(ToolKind::RestorePoint,
                           [] { return std::make_unique<tools::ToolWindow>("SysRestoreForm"); });
  form->AdvanceBtn.Click();
  form->ToolLink(ToolKind::RestorePoint).Click();

  EXPECT_EQ(form->tools().Existing(ToolKind::RestorePoint) != nullptr, c.opens);
  EXPECT_EQ(form->ToolLink(ToolKind::RestorePoint).font().underline, c.opens);
  ASSERT_EQ(messages.shown().size(), c.warns ? 1u : 0u);
  if (c.warns) {
    EXPECT_EQ(messages.shown()[0].text, "System Restore Point for Windows 2000 and XP!");
    EXPECT_EQ(messages.shown()[0].caption, "Hal Vex");
    EXPECT_EQ(messages.shown()[0].icon, platform::MessageIcon::Warning);
    EXPECT_EQ(messages.shown()[0].buttons, platform::MessageButtons::Ok);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RestorePointLink,
    ::testing::Values(RestorePointCase{2, true, false}, RestorePointCase{1, false, true},
                      RestorePointCase{0, false, false}, RestorePointCase{7, false, false}),
    [](const auto& info) { return "PlatformId" + std::to_string(info.param.platformId); });

TEST_F(MainFormTest, TheHeaderMovesTheWindowExceptOverTheButtonStrip) {
  Make();
  form->HeaderLeftImage.MouseDown(ui::MouseButton::Right, {10, 10});
  EXPECT_TRUE(windows.moved().empty()) << "only the left button moves the window";
  form->HeaderLeftImage.MouseDown(ui::MouseButton::Left, {10, 80});
  form->HeaderRightImage.MouseDown(ui::MouseButton::Left, {200, 66});
  form->HeaderRightImage.MouseDown(ui::MouseButton::Left, {200, 67});
  EXPECT_EQ(windows.moved().size(), 2u);
}

TEST_F(MainFormTest, MinimizeAndClosePicturesAppearOnlyUnderThePointer) {
  Make();
  // Images 0 and 1 are the glyphs; 2 and 3 the header behind the buttons.
  const struct {
    ui::Picture* button;
    int glyph;
  } cases[] = {{&form->MinimizeBtn, 0}, {&form->CloseBtn, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.button->DisplayedImage(), c.glyph + 2) << c.button->name();
    c.button->MouseEnter();
    EXPECT_EQ(c.button->DisplayedImage(), c.glyph) << c.button->name();
    c.button->MouseLeave();
    EXPECT_EQ(c.button->DisplayedImage(), c.glyph + 2) << c.button->name();
  }
}

TEST_F(MainFormTest, ClosingHidesTheProgramInTheTrayAndKeepsItRunning) {
  Make();
  ASSERT_TRUE(form->CloseBtn.Click());
  EXPECT_TRUE(windows.IsApplicationMinimized());
  EXPECT_TRUE(windows.taskbarHidden());
  EXPECT_FALSE(windows.terminated());
  EXPECT_EQ(windows.trayIcons().size(), 1u);

  form->MinimizeBtn.Click();
  EXPECT_TRUE(windows.IsApplicationMinimized());
}

TEST_F(MainFormTest, HelpAndHomeOpenTheirAddressesInTheBrowser) {
  // The home link of the left panel opens the vendor's address, the tray item the setting.
  settings.HomePage = "http://home.setting.example/";
  Make();
  form->HelpBtn.Click();
  form->abHomeURL.Click();
  dm->MainPopupMenu.Choose("Home1");
  ASSERT_EQ(processes.started().size(), 3u);
  EXPECT_EQ(processes.started()[0],
            (platform::ProcessStart{.file = "http://www.halvex.example/help", .verb = "open"}));
  EXPECT_EQ(processes.started()[1],
            (platform::ProcessStart{.file = std::string(model::kVendorHomePage), .verb = "open"}));
  EXPECT_EQ(processes.started()[2],
            (platform::ProcessStart{.file = "http://home.setting.example/", .verb = "open"}));
}

TEST_F(MainFormTest, AboutDialogShowsTheVersionAndOpensTheHomePage) {
  Make();
  std::string version;
  bool hoverUnderlines = false;
  windows.OnModal("AboutForm", [&](ui::Form& about) {
    version = about.Find("abVersion")->caption();
    auto* link = about.FindAs<ui::Label>("abHomeBtn");
    link->MouseEnter();
    hoverUnderlines = link->font().underline && link->font().color == app::link_style::kHover;
    link->Click();
    about.FindAs<ui::Button>("OkBtn")->Click();
  });
  form->AboutBtn.Click();

  EXPECT_EQ(windows.modals(), (std::vector<std::string>{"AboutForm"}));
  EXPECT_EQ(version, "Hal Vex ver3.0");
  EXPECT_TRUE(hoverUnderlines);
  ASSERT_EQ(processes.started().size(), 1u);
  EXPECT_EQ(processes.started()[0].file, "http://www.halvex.example/");
}

TEST_F(MainFormTest, OptionsButtonShowsThePreferencesWithTheProgramsSettings) {
  int shown = 0;
  Make({.showOptions = [&](model::TMyRegistryInfo& settings) {
    ++shown;
    settings.SelectAll = !settings.SelectAll;
  }});
  const bool before = form->settings().SelectAll;
  form->OptionsBtn.Click();
  EXPECT_EQ(shown, 1);
  EXPECT_NE(form->settings().SelectAll, before) << "the dialog changes the record the window keeps";
}

TEST_F(MainFormTest, EveryResizeFitsTheRegionAgain) {
  Make();
  form->Resized({640, 480});
  ASSERT_TRUE(form->region().has_value());
  EXPECT_EQ(form->region()->area, (ui::Rect{-2, -2, 642, 482}));
}

TEST_F(MainFormTest, AStartArgumentScansOneSecondAfterTheFirstActivationOnly) {
  int scans = 0;
  Make({.scanNow = [&] { ++scans; }}, "-Scan");
  form->Activated();
  form->Activated();
  EXPECT_EQ(scans, 1);
  EXPECT_EQ(pump.sleptMilliseconds(), 1000u);
}

TEST_F(MainFormTest, ABlankStartArgumentStartsNoScan) {
  int scans = 0;
  Make({.scanNow = [&] { ++scans; }}, "  ");
  form->Activated();
  EXPECT_EQ(scans, 0);
}

}  // namespace
}  // namespace halvex::testing
