#pragma once
// A frame with a caption around a group of controls.
#include "ui/panel.h"

namespace halvex::ui {

class GroupBox : public Control {
 public:
  GroupBox(std::string name, std::string caption)
      : Control(ControlKind::GroupBox, std::move(name)) {
    SetCaption(std::move(caption));
  }
  void Paint(Canvas& canvas) const override;

  static constexpr Color kFrameColor = Color::System(SystemColor::GrayText);
};

}  // namespace halvex::ui
