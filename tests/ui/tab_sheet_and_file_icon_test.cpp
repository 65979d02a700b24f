// A tab control's page, which leaves its caption to the tab, and a picture showing a file's
// icon.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ui/picture.h"
#include "ui/recording_canvas.h"
#include "ui/tab_sheet.h"

namespace halvex::ui {
namespace {

using ::testing::ElementsAre;

TEST(TabSheetTest, ShowsItsCaptionOnTheTabOnly) {
  TabSheet sheet("Sheet", "Scheduling");
  sheet.SetBounds(Rect::At(0, 0, 100, 50));
  RecordingCanvas canvas;
  sheet.Paint(canvas);
  EXPECT_THAT(canvas.operations(), ElementsAre("fill 0,0,100,50 system:15"));
  EXPECT_EQ(sheet.caption(), "Scheduling");
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
  picture.SetFileIcon("");
  canvas.Clear();
  picture.Paint(canvas);
  EXPECT_THAT(canvas.operations(), ElementsAre("fill 0,0,32,32 system:15"));
}

}  // namespace
}  // namespace halvex::ui
