#pragma once
// A plain container with an optional background colour and centred caption.
#include "ui/control.h"

namespace halvex::ui {

class Panel : public Control {
 public:
  explicit Panel(std::string name) : Control(ControlKind::Panel, std::move(name)) {}
  void Paint(Canvas& canvas) const override;

  // Where the caption stands; panels used as headings put it on the left.
  TextAlign captionAlign = TextAlign::Center;
};

}  // namespace halvex::ui
