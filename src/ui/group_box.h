#pragma once
// A frame with a caption in its top edge around a group of controls, which are its children.
#include "ui/control.h"

namespace halvex::ui {

class GroupBox : public Control {
 public:
  GroupBox(std::string name, std::string caption)
      : Control(ControlKind::GroupBox, std::move(name)) {
    SetCaption(std::move(caption));
  }
  void Paint(Canvas& canvas) const override;
};

}  // namespace halvex::ui
