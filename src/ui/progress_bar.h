#pragma once
// A bar that fills as a long task goes on.
#include "ui/control.h"

namespace halvex::ui {

class ProgressBar : public Control {
 public:
  explicit ProgressBar(std::string name) : Control(ControlKind::ProgressBar, std::move(name)) {}

  int maximum() const { return maximum_; }
  int position() const { return position_; }
  void SetMaximum(int maximum) {
    maximum_ = maximum < 1 ? 1 : maximum;
    if (position_ > maximum_) position_ = maximum_;
    Notify(Property::Value);
  }
  // Kept within 0 .. maximum.
  void SetPosition(int position) {
    position = position < 0 ? 0 : position > maximum_ ? maximum_ : position;
    if (position == position_) return;
    position_ = position;
    Notify(Property::Value);
  }

 private:
  int maximum_ = 100;
  int position_ = 0;
};

}  // namespace halvex::ui
