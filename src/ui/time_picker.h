#pragma once
// A time of day in hours and minutes, changed with up and down arrows (the system's date and
// time picker in its time format with an up-down control).
#include <functional>

#include "ui/control.h"

namespace halvex::ui {

class TimePicker : public Control {
 public:
  TimePicker(std::string name, int hour, int minute);

  int hour() const { return hour_; }
  int minute() const { return minute_; }
  // A time outside 00:00 to 23:59 is refused. A change raises onChange.
  bool SetTime(int hour, int minute);
  std::function<void()> onChange;

 private:
  int hour_;
  int minute_;
};

}  // namespace halvex::ui
