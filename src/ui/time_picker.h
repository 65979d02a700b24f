#pragma once
// A time of day in hours and minutes, set with up and down arrows.
#include <functional>

#include "ui/control.h"

namespace halvex::ui {

class TimePicker : public Control {
 public:
  explicit TimePicker(std::string name) : Control(ControlKind::TimePicker, std::move(name)) {}

  int hour() const { return hour_; }
  int minute() const { return minute_; }
  // False, changing nothing, for a time that does not exist; a change raises onChange.
  [[nodiscard]] bool SetTime(int hour, int minute) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return false;
    if (hour == hour_ && minute == minute_) return true;
    hour_ = hour;
    minute_ = minute;
    Notify(Property::Value);
    if (onChange) onChange();
    return true;
  }
  std::function<void()> onChange;

 private:
  int hour_ = 0;
  int minute_ = 0;
};

}  // namespace halvex::ui
