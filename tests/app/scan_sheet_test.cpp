// The scan sheet's page states: which pictures and controls each shows.
#include <gtest/gtest.h>

#include "tests/app/main_form_fixture.h"

namespace halvex::testing {
namespace {

using app::ScanPageState;

struct PageStateCase {
  ScanPageState state;
  const char* firstPicture;
  const char* secondPicture;
  int toolsHeight;
  bool selectAll, scanNow, abort, repair, finish;
};

class PageStates : public MainFormTest, public ::testing::WithParamInterface<PageStateCase> {};

TEST_P(PageStates, ShowTheirStepPicturesAndOnlyTheirControls) {
  const PageStateCase& c = GetParam();
  Make();
  app::ScanSheet& sheet = form->scanSheet();
  sheet.ShowPanel.SetVisible(true);
  sheet.SetScanPageState(c.state);

  ASSERT_NE(sheet.ScanStepImage.imageList(), nullptr);
  EXPECT_EQ(sheet.ScanStepImage.imageList()->resource, c.firstPicture);
  EXPECT_EQ(sheet.ScanStepImage1.imageList()->resource, c.secondPicture);
  EXPECT_EQ(sheet.ScanStepImage.imageList()->format, ui::ImageFormat::Jpeg);
  EXPECT_EQ(sheet.ScanToolsPanel.bounds().height(), c.toolsHeight);
  EXPECT_EQ(sheet.ScanToolsPanel.bounds().bottom, form->ScanSheetPage.bounds().height());
  EXPECT_EQ(sheet.ScanNotebook.bounds().bottom, sheet.ScanToolsPanel.bounds().top);
  EXPECT_EQ(sheet.cbSelectAll.visible(), c.selectAll);
  EXPECT_EQ(sheet.abSelectAll.visible(), c.selectAll);
  EXPECT_EQ(sheet.ScanNowBtn.visible(), c.scanNow);
  EXPECT_EQ(sheet.AbortScanBtn.visible(), c.abort);
  EXPECT_EQ(sheet.RepairBtn.visible(), c.repair);
  EXPECT_EQ(sheet.FinishBtn.visible(), c.finish);
  EXPECT_FALSE(sheet.ShowPanel.visible()) << "the scan shows the progress line itself";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageStates,
    ::testing::Values(PageStateCase{ScanPageState::First, "ScanFirst", "ScanFirst1", 119, true,
                                    true, false, false, false},
                      PageStateCase{ScanPageState::Scanning, "ScanInProcess", "ScanInProcess1", 76,
                                    false, false, true, false, false},
                      PageStateCase{ScanPageState::Results, "ScanResults", "ScanResults1", 76, true,
                                    false, false, true, false},
                      PageStateCase{ScanPageState::Finish, "ScanFinish", "ScanFinish1", 76, false,
                                    false, false, false, true}),
    [](const auto& info) { return std::string(info.param.firstPicture); });

TEST_F(MainFormTest, TheFirstStateChoosesEverySectionAgainAndEmptiesTheCounts) {
  Make();
  app::ScanSheet& sheet = form->scanSheet();
  sheet.SetScanPageState(ScanPageState::Results);
  for (auto& row : sheet.sections) {
    row.picture.SetTag(0);
    row.picture.SetImageIndex(12);
    row.count.SetCaption("3");
  }
  sheet.SetScanPageState(ScanPageState::First);
  for (const auto& row : sheet.sections) {
    EXPECT_EQ(row.picture.tag(), 1) << row.picture.name();
    EXPECT_EQ(row.picture.imageIndex(), 1) << row.picture.name();
    EXPECT_EQ(row.count.caption(), "") << row.count.name();
  }
  EXPECT_EQ(sheet.sections[3].caption.caption(), "Shared DLL's Sections");
  EXPECT_EQ(sheet.sections[16].count.name(), "abItemCount17");
}

}  // namespace
}  // namespace halvex::testing
