#pragma once
// THintForm: a small always-on-top window that tells the user what a long task is doing.
// Other windows create it, set LabelMsg, show and repaint it, run the task and free it.
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace halvex::app {

class THintForm : public ui::Form {
 public:
  THintForm();

  ui::Panel TitlePanel{"TitlePanel"};
  ui::Label LabelMsg{"LabelMsg"};
};

}  // namespace halvex::app
