// The smaller control models: radio groups, pages chosen by tabs, group frames, progress,
// status panels, number boxes, times, trees and animations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/animation.h"
#include "ui/button.h"
#include "ui/group_box.h"
#include "ui/notebook.h"
#include "ui/panel.h"
#include "ui/progress_bar.h"
#include "ui/recording_canvas.h"
#include "ui/spin_edit.h"
#include "ui/status_bar.h"
#include "ui/time_picker.h"
#include "ui/tree_view.h"

namespace halvex::ui {
namespace {

TEST(RadioButtonModel, ChoosingOneClearsTheOthersOfItsParentOnly) {
  Panel options("Options"), other("Other");
  RadioButton permanent("RadioButton1", "Permanently delete files");
  RadioButton recycle("RadioButton2", "Move files to Recycle Bin (recommended)");
  RadioButton elsewhere("RadioButton9", "In another group");
  options.AddChild(permanent);
  options.AddChild(recycle);
  other.AddChild(elsewhere);
  elsewhere.SetChecked(true);
  recycle.SetChecked(true);

  ASSERT_TRUE(permanent.Click());
  EXPECT_TRUE(permanent.checked());
  EXPECT_FALSE(recycle.checked());
  EXPECT_TRUE(elsewhere.checked()) << "another parent is another group";
  ASSERT_TRUE(permanent.Click());
  EXPECT_TRUE(permanent.checked()) << "clicking the chosen option keeps it chosen";
}

TEST(TabControlModel, ChoosingATabShowsItsPageAndRaisesTheChange) {
  TabControl pages("MainPageControl");
  Panel general("GeneralSheet"), ignore("IgnoreSheet");
  general.SetCaption("General Settings");
  ignore.SetCaption("Ignore List");
  pages.AddPage(general);
  pages.AddPage(ignore);
  pages.SetPageIndex(0);
  int changes = 0;
  pages.onChange = [&] { ++changes; };

  pages.PageChosen(1);
  pages.PageChosen(1);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(ignore.visible());
  EXPECT_FALSE(general.visible());
  pages.SetPageIndex(0);
  EXPECT_EQ(changes, 1) << "the program's own switch raises no change";
}

TEST(GroupBoxModel, FramesItsAreaAndWritesItsCaptionOverTheFrame) {
  Panel page("Page");
  page.SetColor(colors::kWhite);
  GroupBox group("ScheduleGroup", "Schedule Options");
  group.SetBounds(Rect::At(8, 8, 200, 60));
  page.AddChild(group);
  RecordingCanvas canvas;
  group.Paint(canvas);
  EXPECT_EQ(canvas.operations(), (std::vector<std::string>{
                                     "fill 0,0,200,60 #FFFFFF",
                                     "frame 0,7,200,60 system:17",
                                     "fill 8,0,110,14 #FFFFFF",
                                     "text 11,0,107,14 \"Schedule Options\" Tahoma 8 #000000 left",
                                 }));
}

TEST(ProgressBarModel, KeepsThePositionWithinTheRange) {
  ProgressBar bar("ProgressBar1");
  bar.SetMaximum(40);
  bar.SetPosition(55);
  EXPECT_EQ(bar.position(), 40);
  bar.SetPosition(-3);
  EXPECT_EQ(bar.position(), 0);
  bar.SetPosition(30);
  bar.SetMaximum(20);
  EXPECT_EQ(bar.position(), 20) << "a smaller range takes the position with it";
}

TEST(StatusBarModel, SetsTheTextOfPanelsThatExist) {
  StatusBar bar("ReportStatusBar");
  bar.SetPanels({{"Selected:", 80}, {"", 60}, {"", 60}});
  ASSERT_TRUE(bar.SetPanelText(1, "12"));
  EXPECT_FALSE(bar.SetPanelText(3, "x"));
  EXPECT_EQ(bar.panels()[1].text, "12");
}

TEST(SpinEditModel, ClampsToItsRangeAndReportsChanges) {
  SpinEdit days("SpinEditDays", 1, 31);
  int changes = 0;
  days.onChange = [&] { ++changes; };
  EXPECT_EQ(days.value(), 1);
  days.SetValue(40);
  EXPECT_EQ(days.value(), 31);
  days.SetValue(31);
  days.SetValue(0);
  EXPECT_EQ(days.value(), 1);
  EXPECT_EQ(changes, 2);
}

TEST(SpinEditModel, TakesTypedTextOnlyWhenItReadsAsANumberAndKeepsItInRange) {
  struct Typed {
    const char* text;
    int value;  // starting from 12
  };
  const Typed cases[] = {
      {"7", 7},  {"31", 31}, {"45", 31}, {"0", 1},   {"-3", 1},  {"", 12},
      {"-", 12}, {"1a", 12}, {" 5", 12}, {"5 ", 12}, {"+5", 12}, {"99999999999", 12},
  };
  for (const Typed& typed : cases) {
    SpinEdit days("SpinEditDays", 1, 31);
    days.SetValue(12);
    days.TextTyped(typed.text);
    EXPECT_EQ(days.value(), typed.value) << "typed \"" << typed.text << "\"";
  }
}

TEST(TimePickerModel, TakesOnlyTimesThatExist) {
  TimePicker time("dtpStartTime");
  ASSERT_TRUE(time.SetTime(9, 30));
  EXPECT_FALSE(time.SetTime(24, 0));
  EXPECT_FALSE(time.SetTime(12, 60));
  EXPECT_EQ(time.hour(), 9);
  EXPECT_EQ(time.minute(), 30);
}

TEST(TreeViewModel, NodesHangBelowParentsThatExistAndClearingDropsTheSelection) {
  TreeView tree("HistoryTree");
  const int root = tree.AddNode(TreeView::kRoot, "History");
  const int child = tree.AddNode(root, "Recent documents");
  EXPECT_EQ(tree.AddNode(7, "orphan"), TreeView::kNone);
  EXPECT_EQ(tree.nodes()[static_cast<std::size_t>(child)].parent, root);
  std::vector<int> selected;
  tree.onSelect = [&] { selected.push_back(tree.selectedNode()); };
  tree.SetSelectedNode(child);
  tree.Clear();
  EXPECT_EQ(selected, (std::vector<int>{child, TreeView::kNone}));
}

TEST(AnimationModel, PlaysFromCreationUntilStopped) {
  Animation deleting("DeleteAnimation", SystemAnimation::DeleteFile);
  EXPECT_TRUE(deleting.active());
  deleting.SetActive(false);
  EXPECT_FALSE(deleting.active());
  EXPECT_EQ(deleting.animation(), SystemAnimation::DeleteFile);
}

}  // namespace
}  // namespace halvex::ui
