#pragma once
// A line of text over its parent's background; links are labels whose handlers change their
// font while the pointer is over them.
#include "ui/control.h"

namespace halvex::ui {

class Label : public Control {
 public:
  explicit Label(std::string name, std::string caption = {})
      : Control(ControlKind::Label, std::move(name)) {
    SetCaption(std::move(caption));
  }

  TextAlign alignment() const { return alignment_; }
  void SetAlignment(TextAlign alignment);

  void Paint(Canvas& canvas) const override;

 private:
  TextAlign alignment_ = TextAlign::Left;
};

}  // namespace halvex::ui
