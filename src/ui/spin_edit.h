#pragma once
// A number box with up and down arrows, kept within its range.
#include <charconv>
#include <functional>
#include <string_view>

#include "ui/control.h"

namespace halvex::ui {

class SpinEdit : public Control {
 public:
  SpinEdit(std::string name, int minimum, int maximum)
      : Control(ControlKind::SpinEdit, std::move(name)),
        minimum_(minimum),
        maximum_(maximum < minimum ? minimum : maximum),
        value_(minimum) {}

  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  int value() const { return value_; }
  // Clamped to the range; a change raises onChange.
  void SetValue(int value) {
    value = value < minimum_ ? minimum_ : value > maximum_ ? maximum_ : value;
    if (value == value_) return;
    value_ = value;
    Notify(Property::Value);
    if (onChange) onChange();
  }
  // What the user typed into the box: a number counts once it reads as one, whole (digits
  // with an optional minus, nothing around them), and is then kept in range; anything else
  // leaves the value as it was, so a half-typed number does not jump the value about.
  void TextTyped(std::string_view text) {
    int typed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), typed);
    if (error == std::errc() && end == text.data() + text.size()) SetValue(typed);
  }
  std::function<void()> onChange;

 private:
  int minimum_;
  int maximum_;
  int value_;
};

}  // namespace halvex::ui
