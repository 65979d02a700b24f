// The models of the settings controls: tabbed pages, group frames, number boxes, time pickers
// and the file icon of a picture.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ui/group_box.h"
#include "ui/page_control.h"
#include "ui/picture.h"
#include "ui/recording_canvas.h"
#include "ui/spin_edit.h"
#include "ui/time_picker.h"

namespace halvex::ui {
namespace {

using ::testing::ElementsAre;

TEST(PageControlTest, OnlyTheUsersChoiceOfATabIsAChange) {
  PageControl pages("Pages");
  pages.SetBounds(Rect::At(8, 8, 507, 306));
  TabSheet first("First", "General Settings"), second("Second", "Ignore List");
  pages.AddPage(first);
  pages.AddPage(second);
  EXPECT_EQ(second.bounds(), Rect::At(4, 28, 499, 274)) << "below the tabs, inside the margin";
  int changes = 0;
  pages.onChange = [&] { ++changes; };

  pages.SetPageIndex(0);
  EXPECT_EQ(changes, 0);
  EXPECT_TRUE(pages.SelectPage(1));
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(second.visible());
  EXPECT_FALSE(first.visible());
  EXPECT_TRUE(pages.SelectPage(1));
  EXPECT_EQ(changes, 1) << "the tab that shows is no change";
  EXPECT_FALSE(pages.SelectPage(2));
  pages.SetEnabled(false);
  EXPECT_FALSE(pages.SelectPage(0));
  EXPECT_EQ(pages.pageIndex(), 1);
}

TEST(TabSheetTest, ShowsItsCaptionOnTheTabOnly) {
  TabSheet sheet("Sheet", "Scheduling");
  sheet.SetBounds(Rect::At(0, 0, 100, 50));
  RecordingCanvas canvas;
  sheet.Paint(canvas);
  EXPECT_EQ(canvas.operations().size(), 1u);
}

TEST(GroupBoxTest, TheCaptionStandsInTheFrameOnItsOwnBackground) {
  GroupBox group("Group", "Check Update");
  group.SetBounds(Rect::At(0, 0, 200, 100));
  RecordingCanvas canvas;
  group.Paint(canvas);
  EXPECT_THAT(canvas.operations(),
              ElementsAre("fill 0,0,200,100 system:15", "frame 0,7,200,100 system:16",
                          "fill 8,0,92,14 system:15",
                          "text 8,0,92,14 \" Check Update \" Tahoma 8 #000000 left"));
}

TEST(SpinEditTest, KeepsItsNumberInItsRange) {
  SpinEdit days("Days", 1, 31);
  std::vector<int> changes;
  days.onChange = [&] { changes.push_back(days.value()); };
  EXPECT_EQ(days.caption(), "1");
  const struct {
    const char* typed;
    int value;
  } cases[] = {{"2", 2},  {"31", 31}, {"32", 31}, {"0", 1},  {"-5", 1}, {"99999999999", 31},
               {"x", 31}, {"7a", 31}, {"", 31},   {"15", 15}};
  for (const auto& c : cases) {
    days.SetText(c.typed);
    EXPECT_EQ(days.value(), c.value) << "typed \"" << c.typed << "\"";
    EXPECT_EQ(days.caption(), std::to_string(c.value));
  }
  EXPECT_THAT(changes, ElementsAre(2, 31, 1, 31, 15)) << "a change only when the number changes";
}

TEST(TimePickerTest, TakesTimesOfTheDayOnly) {
  TimePicker time("Time", 9, 30);
  int changes = 0;
  time.onChange = [&] { ++changes; };
  EXPECT_TRUE(time.SetTime(21, 15));
  EXPECT_TRUE(time.SetTime(21, 15));
  EXPECT_FALSE(time.SetTime(24, 0));
  EXPECT_FALSE(time.SetTime(12, 60));
  EXPECT_FALSE(time.SetTime(-1, 0));
  EXPECT_EQ(time.hour(), 21);
  EXPECT_EQ(time.minute(), 15);
  EXPECT_EQ(changes, 1);
}

TEST(PictureTest, AFileIconIsDrawnAtTheCorner) {
  Picture picture("ImageTask");
  picture.SetBounds(Rect::At(0, 0, 32, 32));
  picture.SetFileIcon("C:\\Program Files\\Halvex\\Halvex.exe");
  RecordingCanvas canvas;
  picture.Paint(canvas);
  EXPECT_THAT(canvas.operations(),
              ElementsAre("fill 0,0,32,32 system:15",
                          "file icon C:\\Program Files\\Halvex\\Halvex.exe at 0,0"));
}

}  // namespace
}  // namespace halvex::ui
