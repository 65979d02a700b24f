#pragma once
// TStartForm: the splash window shown while the program starts.
#include "ui/form.h"
#include "ui/picture.h"

namespace halvex::app {

class TStartForm : public ui::Form {
 public:
  explicit TStartForm(const ui::ImageList& splash);

  ui::Picture SplashImage{"SplashImage"};
};

}  // namespace halvex::app
