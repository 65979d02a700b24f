#pragma once
// TStartForm: the splash window shown while the program starts.
#include "ui/form.h"
#include "ui/picture.h"

namespace halvex::app {

class TStartForm : public ui::Form {
 public:
  TStartForm();

  ui::ImageList SplashImageList{"SplashImageList", "SplashImageList", 500, 200, 1};
  ui::Picture SplashImage{"SplashImage"};
};

}  // namespace halvex::app
