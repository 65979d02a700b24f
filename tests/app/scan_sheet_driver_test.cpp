// The scan sheet as the user drives it: Scan Now, the marks, the busy animation, Abort.
#include "app/scan_sheet/scan_sheet_driver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/main_window/main_form.h"
#include "model/scan_sections.h"
#include "tests/app/scan_sheet_fixture.h"
#include "tests/support/unreadable_file.h"

namespace halvex::testing {
namespace {

using app::ScanPageState;
namespace stat_image = app::stat_image;

TEST_F(ScanSheetTest, ScanNowShowsWhatEachSectionFound) {
  AddBrokenSharedDlls(3);
  ASSERT_TRUE(sheet.ScanNowBtn.Click());
  EXPECT_EQ(Count(4), "3");
  EXPECT_EQ(Mark(4).imageIndex(), stat_image::kProblemsFound);
  for (int section : {1, 3, 5, 17}) {
    EXPECT_EQ(Count(section), "0") << "section " << section;
    EXPECT_EQ(Mark(section).imageIndex(), stat_image::kNoProblem) << "section " << section;
  }
  EXPECT_EQ(sheet.pageState(), ScanPageState::Results);
  EXPECT_EQ(Page(), 1) << "the \"Repair\" page";
  EXPECT_FALSE(dm.ScanTimer.enabled());
  EXPECT_FALSE(busy.busy());
  EXPECT_FALSE(sheet.ScanOutcomePanel.visible());
  EXPECT_EQ(sheet.ScanOutcomePanel.caption(), "");
  EXPECT_EQ(results.RepairGrid.rowCount(), 2);
}

TEST_F(ScanSheetTest, WithNoSectionChosenTheFinishPageSaysNothingWasFound) {
  AddBrokenSharedDlls(2);
  ASSERT_TRUE(sheet.abSelectAll.Click());  // the label clears the ticked box
  EXPECT_FALSE(sheet.cbSelectAll.checked());
  for (int section = 1; section <= 17; ++section) ASSERT_EQ(Mark(section).tag(), 0);
  ASSERT_TRUE(sheet.ScanNowBtn.Click());
  EXPECT_EQ(sheet.pageState(), ScanPageState::Finish);
  EXPECT_EQ(Page(), 2) << "the \"Finish\" page";
  ASSERT_EQ(model.RepairContents.size(), 1u);
  EXPECT_EQ(model.RepairContents[0], (model::TRepairRec{"Problems Found: 0", ""}));
  for (int section = 1; section <= 17; ++section) {
    EXPECT_EQ(Mark(section).imageIndex(), ui::Picture::kNoImage) << "section " << section;
  }
  // Nothing was repaired or backed up, so the step says so rather than "Repair done".
  EXPECT_EQ(sheet.ScanStepImage.imageList()->resource, "ScanNothingFound");
  EXPECT_EQ(sheet.ScanStepImage1.imageList()->resource, "ScanFinish1");
}

// Excluded entries come back when the ignore list cannot be read; the user is told once per
// scan, and a list that reads well says nothing.
TEST_F(ScanSheetTest, AnIgnoreListThatCannotBeReadIsShownOncePerScan) {
  const std::string ignoreFile = "C:\\Program Files\\Halvex\\HalvoIgnores.dat";
  machine.AddFile(ignoreFile, std::string(model::ExclusionCategory(4)) + "|" + kSharedDllsKey +
                                  "|C:\\gone0.dll\r\n");
  AddBrokenSharedDlls(2);
  ASSERT_TRUE(sheet.ScanNowBtn.Click());
  EXPECT_TRUE(messages.shown().empty()) << "the list was read: " << messages.shown()[0].text;
  EXPECT_EQ(Count(4), "1") << "the excluded value stays out";

  UnreadableFile lockedIgnoreFile(machine.files(), ignoreFile);
  platform::Platform lockedMachine{machine.registry, lockedIgnoreFile, machine.locale,
                                   machine.clock, machine.links};
  app::ScanSheetDriver lockedDriver{
      sheet, results, dm, model, {lockedMachine, desktop, busy, settings}};
  for (int scan = 1; scan <= 2; ++scan) {
    sheet.SetScanPageState(ScanPageState::First);
    ASSERT_TRUE(sheet.ScanNowBtn.Click());
    ASSERT_EQ(messages.shown().size(), static_cast<std::size_t>(scan)) << "scan " << scan;
    const platform::substitute::ShownMessage& shown = messages.shown().back();
    EXPECT_EQ(shown.text,
              "The ignore list could not be read. Entries you excluded may be shown again.");
    EXPECT_EQ(shown.caption, "Hal Vex");
    EXPECT_EQ(shown.buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(shown.icon, platform::MessageIcon::Warning);
    EXPECT_EQ(Count(4), "2") << "scan " << scan << " ran without the list";
  }
}

TEST_F(ScanSheetTest, AbortKeepsTheSectionsScannedAndLeavesTheRestBlank) {
  AddBrokenSharedDlls(5);
  // The user presses Abort while section 4 handles its second value.
  pump.AtPassWhen(SectionFound(4), 2, [this] { ASSERT_TRUE(sheet.AbortScanBtn.Click()); });
  ASSERT_TRUE(sheet.ScanNowBtn.Click());
  for (int section : {1, 2, 3}) EXPECT_EQ(Mark(section).imageIndex(), stat_image::kNoProblem);
  EXPECT_EQ(Mark(4).imageIndex(), stat_image::kProblemsFound);
  EXPECT_EQ(Count(4), "2") << "what section 4 found before it stopped";
  for (int section = 5; section <= 17; ++section) {
    EXPECT_EQ(Mark(section).imageIndex(), ui::Picture::kNoImage) << "section " << section;
  }
  EXPECT_EQ(sheet.pageState(), ScanPageState::Results) << "shown as after a full scan";
}

TEST_F(ScanSheetTest, TheBusyAnimationCyclesInTheSectionBeingScanned) {
  AddBrokenSharedDlls(1);
  std::vector<int> frames;
  pump.AtPassWhen(SectionFound(4), 1, [&] {
    EXPECT_TRUE(dm.ScanTimer.enabled());
    EXPECT_TRUE(busy.busy()) << "the sheet buttons must ignore clicks now";
    for (int tick = 0; tick < 9; ++tick) {
      dm.ScanTimer.Tick();
      frames.push_back(Mark(4).imageIndex());
    }
  });
  ASSERT_TRUE(sheet.ScanNowBtn.Click());
  EXPECT_THAT(frames, ::testing::ElementsAre(4, 5, 6, 7, 8, 9, 10, 4, 5));
}

TEST_F(ScanSheetTest, AMarkClickedDuringTheScanDecidesForLaterSections) {
  AddBrokenSharedDlls(1);
  pump.AtPass(1, [this] {
    ASSERT_TRUE(Mark(5).Click());
    EXPECT_EQ(Mark(5).tag(), 0);
    EXPECT_EQ(Mark(5).imageIndex(), stat_image::kNotChosen);
  });
  ASSERT_TRUE(sheet.ScanNowBtn.Click());
  EXPECT_EQ(Mark(5).imageIndex(), stat_image::kNotChosen) << "skipped, its mark untouched";
  EXPECT_EQ(Mark(6).imageIndex(), stat_image::kNoProblem);
}

TEST_F(ScanSheetTest, MarksToggleBetweenChosenAndNot) {
  ASSERT_TRUE(Mark(7).Click());
  EXPECT_EQ(Mark(7).tag(), 0);
  EXPECT_EQ(Mark(7).imageIndex(), stat_image::kNotChosen);
  ASSERT_TRUE(Mark(7).Click());
  EXPECT_EQ(Mark(7).tag(), 1);
  EXPECT_EQ(Mark(7).imageIndex(), stat_image::kChosen);
  Mark(7).SetTag(5);  // any other tag does nothing
  ASSERT_TRUE(Mark(7).Click());
  EXPECT_EQ(Mark(7).tag(), 5);
}

TEST_F(ScanSheetTest, AnErrorInASectionIsShownAndTheScanGoesOn) {
  AddBrokenSharedDlls(2);
  pump.AtPassWhen(SectionFound(4), 1,
                  [] { throw std::runtime_error("Invalid data type for 'C:\\gone1.dll'"); });
  ASSERT_TRUE(sheet.ScanNowBtn.Click());
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_TRUE(messages.shown()[0].isErrorBox);
  EXPECT_EQ(messages.shown()[0].text, "Invalid data type for 'C:\\gone1.dll'");
  EXPECT_FALSE(dm.ScanTimer.enabled());
  EXPECT_EQ(Mark(17).imageIndex(), stat_image::kNoProblem) << "later sections still ran";
  EXPECT_EQ(Count(4), "1") << "what the failed section found stays";
  EXPECT_EQ(sheet.pageState(), ScanPageState::Results);
}

TEST_F(ScanSheetTest, AnotherScanStartsAfresh) {
  AddBrokenSharedDlls(2);
  ASSERT_TRUE(sheet.ScanNowBtn.Click());
  sheet.ScanNotebook.SetPageIndex(0);
  sheet.SetScanPageState(ScanPageState::First);
  ASSERT_TRUE(sheet.ScanNowBtn.Click());
  EXPECT_EQ(Count(4), "2");
  EXPECT_EQ(model.SectionContents[4].front().ProblemNo, 1);
}

}  // namespace
}  // namespace halvex::testing

namespace halvex::testing {
namespace {

// The main window with a machine to scan: the sheet is wired to the scan.
class MainFormScanTest : public ScanSheetTest {
 protected:
  std::unique_ptr<app::THalvexMainForm> MakeForm(std::string startArgument) {
    auto form = std::make_unique<app::THalvexMainForm>(programServices, dm, settings,
                                                       std::move(startArgument));
    windows.Show(*form);
    return form;
  }
};

TEST_F(MainFormScanTest, AStartArgumentScansAboutOneSecondAfterTheFirstActivation) {
  AddBrokenSharedDlls(2);
  const auto form = MakeForm("-Scan");
  form->Activated();
  EXPECT_GE(pump.sleptMilliseconds(), 1000u) << "the wait lets the window paint first";
  EXPECT_EQ(form->scanSheet().pageState(), app::ScanPageState::Results);
  EXPECT_EQ(form->scanSheet().sections[3].count.caption(), "2");
  form->Activated();
  EXPECT_EQ(form->scanModel().SectionContents[4].front().ProblemNo, 1) << "only the first time";
}

TEST_F(MainFormScanTest, WithoutAStartArgumentNothingIsScanned) {
  AddBrokenSharedDlls(2);
  const auto form = MakeForm("  ");
  form->Activated();
  EXPECT_EQ(form->scanSheet().pageState(), app::ScanPageState::First);
  EXPECT_TRUE(form->scanModel().SectionContents[4].empty());
}

TEST_F(MainFormScanTest, TheSheetButtonsIgnoreClicksWhileAScanRuns) {
  AddBrokenSharedDlls(1);
  const auto form = MakeForm("");
  pump.AtPass(1, [&] {
    form->BackupBtnClick();
    EXPECT_EQ(form->MainNotebook.pageIndex(), 0) << "still on the scan sheet";
  });
  ASSERT_TRUE(form->scanSheet().ScanNowBtn.Click());
  form->BackupBtnClick();
  EXPECT_EQ(form->MainNotebook.pageIndex(), 1) << "after the scan the button works again";
}

}  // namespace
}  // namespace halvex::testing
