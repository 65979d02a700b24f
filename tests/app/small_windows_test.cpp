// The splash, the hint window and the About dialog as other windows use them.
#include <gtest/gtest.h>

#include "app/main_window/about_form.h"
#include "app/shared/data_module.h"
#include "app/shared/hint_form.h"
#include "app/startup/start_form.h"
#include "platform/substitute/fixed_system_info.h"
#include "platform/substitute/recording_process_starter.h"
#include "ui/recording_canvas.h"
#include "ui/recording_window_system.h"

namespace halvex::testing {
namespace {

TEST(StartForm, IsABorderlessTopmostPictureWithRoundedCorners) {
  app::TStartForm splash;
  EXPECT_EQ(splash.borderStyle, ui::BorderStyle::None);
  EXPECT_TRUE(splash.alwaysOnTop);
  EXPECT_TRUE(splash.centred);
  EXPECT_EQ(splash.bounds().size(), (ui::Size{500, 200}));
  ASSERT_TRUE(splash.region().has_value());
  EXPECT_EQ(splash.region()->ellipseWidth, 28);
  EXPECT_EQ(splash.region()->ellipseHeight, 28);
  EXPECT_EQ(splash.region()->area, (ui::Rect{-2, -2, 502, 202}));
  EXPECT_EQ(splash.SplashImage.PlacedBounds(), ui::Rect::At(0, 0, 500, 200));
}

TEST(HintForm, ShowsABoldWhiteTitleAndTheCentredNavyMessage) {
  app::THintForm hint;
  hint.LabelMsg.SetCaption("Backing up the registry...");
  EXPECT_TRUE(hint.alwaysOnTop);
  EXPECT_EQ(hint.bounds().size(), (ui::Size{261, 57}));

  ui::RecordingCanvas canvas;
  hint.TitlePanel.Paint(canvas);
  hint.LabelMsg.Paint(canvas);
  EXPECT_EQ(canvas.operations(),
            (std::vector<std::string>{
                "fill 0,0,261,20 system:12",
                "text 0,0,261,20 \"Hint\" Tahoma 10 bold #FFFFFF left",
                "fill 0,0,253,28 #FFFFFF",
                "text 0,0,253,28 \"Backing up the registry...\" Tahoma 8 #000080 center",
            }));
}

TEST(TDM, DrawImageWithTextPutsTheCaptionOverThePicture) {
  platform::substitute::FixedSystemInfo system;
  ui::RecordingWindowSystem windows;
  app::TDM dm(system, windows, false, nullptr);
  ui::Picture button("SaveBtn");
  button.SetBounds(ui::Rect::At(0, 0, 129, 28));
  dm.DrawImageWithText(2, dm.NullBtnImageList, button, "Save");

  ui::RecordingCanvas canvas;
  button.Paint(canvas);
  ASSERT_EQ(canvas.operations().size(), 3u);
  EXPECT_EQ(canvas.operations()[1], "image NullBtnImageList 2 at 0,0");
  EXPECT_EQ(canvas.operations()[2], "text 0,0,129,28 \"Save\" Tahoma 9 #000000 center");
}

TEST(TDM, SetsThePlatformClassFromThePlatformIdentifier) {
  const struct {
    std::uint32_t id;
    platform::PlatformClass expected;
  } cases[] = {{0, platform::PlatformClass::Win32s},
               {1, platform::PlatformClass::Windows95Family},
               {2, platform::PlatformClass::NtFamily},
               {3, platform::PlatformClass::Undetermined}};
  for (const auto& c : cases) {
    platform::substitute::FixedSystemInfo system;
    system.version.platformId = c.id;
    ui::RecordingWindowSystem windows;
    app::TDM dm(system, windows, false, nullptr);
    EXPECT_EQ(dm.platformClass(), c.expected) << "platform identifier " << c.id;
  }
}

}  // namespace
}  // namespace halvex::testing
