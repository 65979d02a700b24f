#pragma once
// One of the system's standard animations (copying, deleting, searching), played while active.
#include "ui/control.h"

namespace halvex::ui {

// Numbered as the system's shell resources number them.
enum class SystemAnimation {
  FindFolder = 150,
  FindFile = 151,
  FindComputer = 152,
  CopyFiles = 160,
  CopyFile = 161,
  RecycleFile = 162,
  EmptyRecycle = 163,
  DeleteFile = 164
};

class Animation : public Control {
 public:
  Animation(std::string name, SystemAnimation animation)
      : Control(ControlKind::Animation, std::move(name)), animation_(animation) {}

  SystemAnimation animation() const { return animation_; }
  bool active() const { return active_; }
  void SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    Notify(Property::Value);
  }

 private:
  SystemAnimation animation_;
  bool active_ = true;
};

}  // namespace halvex::ui
