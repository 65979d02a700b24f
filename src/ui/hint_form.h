#pragma once
// THintForm: a small always-on-top window that tells the user what a long task is doing.
// The program's windows and the tools create it, set LabelMsg, show and repaint it, run the
// task and free it.
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace halvex::ui {

class THintForm : public Form {
 public:
  THintForm();

  Panel TitlePanel{"TitlePanel"};
  Label LabelMsg{"LabelMsg"};
};

}  // namespace halvex::ui
