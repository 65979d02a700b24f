#pragma once
// TAboutForm: the program's name and version, a link to the home page and OK.
#include <string>

#include "platform/process_starter.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/picture.h"

namespace halvex::app {

class TAboutForm : public ui::Form {
 public:
  TAboutForm(platform::ProcessStarter& processes, std::string homePage, const ui::ImageList& logo);

  ui::Picture LogoImage{"LogoImage"};
  ui::Label abVersion{"abVersion"};
  ui::Label abCopyright{"abCopyright"};
  ui::Label abHomeBtn{"abHomeBtn"};
  ui::Button OkBtn{"OkBtn", "&OK"};
};

}  // namespace halvex::app
