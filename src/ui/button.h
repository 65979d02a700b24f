#pragma once
// Push buttons, check boxes and radio buttons, which the system draws.
#include "ui/control.h"

namespace halvex::ui {

// Numbered as the system numbers dialog results.
enum class ModalResult { None = 0, Ok = 1, Cancel = 2, Yes = 6, No = 7 };

class Button : public Control {
 public:
  Button(std::string name, std::string caption) : Control(ControlKind::Button, std::move(name)) {
    SetCaption(std::move(caption));
  }
  // A button with a result ends the modal dialog it sits in with that result when clicked.
  ModalResult modalResult = ModalResult::None;
  bool isDefault = false;

  bool Click() override;
};

class CheckBox : public Control {
 public:
  CheckBox(std::string name, std::string caption)
      : Control(ControlKind::CheckBox, std::move(name)) {
    SetCaption(std::move(caption));
  }
  bool checked() const { return checked_; }
  // Changing the state raises the click event, as a click does.
  void SetChecked(bool checked);
  // A click toggles the box.
  bool Click() override;

 protected:
  CheckBox(ControlKind kind, std::string name, std::string caption)
      : Control(kind, std::move(name)) {
    SetCaption(std::move(caption));
  }

 private:
  bool checked_ = false;
};

// One of several exclusive options: the radio buttons with the same parent form a group, and
// choosing one clears the others.
class RadioButton : public CheckBox {
 public:
  RadioButton(std::string name, std::string caption)
      : CheckBox(ControlKind::RadioButton, std::move(name), std::move(caption)) {}
  // A click chooses this option; clicking the chosen one changes nothing.
  bool Click() override;
  // Choosing this option clears the others of the group.
  void Choose();
};

}  // namespace halvex::ui
