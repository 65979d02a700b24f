#pragma once
// A number box: a text field for a whole number between a least and a greatest value, with
// arrows that step it.
#include <functional>
#include <string_view>

#include "ui/control.h"

namespace halvex::ui {

class SpinEdit : public Control {
 public:
  SpinEdit(std::string name, int minimum, int maximum);

  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  int value() const { return value_; }
  // Clamped to the range; a change raises onChange.
  void SetValue(int value);
  // What the user typed: a number takes effect (clamped), anything else is ignored.
  void SetText(std::string_view text);
  std::function<void()> onChange;

 private:
  int minimum_;
  int maximum_;
  int value_;
};

}  // namespace halvex::ui
