#include "app/startup/start_form.h"

namespace halvex::app {

TStartForm::TStartForm() : ui::Form("StartForm") {
  const ui::ImageList& splash = SplashImageList;
  borderStyle = ui::BorderStyle::None;
  alwaysOnTop = true;
  // Sized to its picture.
  SetBounds(ui::Rect::At(0, 0, splash.width, splash.height));
  SplashImage.SetAlign(ui::Align::Client);
  SplashImage.SetImageList(&splash);
  SplashImage.SetImageIndex(0);
  AddChild(SplashImage);
  SetRoundedRegion(28, 28, 2);
}

}  // namespace halvex::app
