#pragma once
// A text field, one line or several; its text is the caption.
#include <functional>

#include "ui/control.h"

namespace halvex::ui {

class Edit : public Control {
 public:
  Edit(std::string name, bool multiLine = false)
      : Control(ControlKind::Edit, std::move(name)), multiLine_(multiLine) {}

  bool multiLine() const { return multiLine_; }
  bool readOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);

  // The text is the caption. Setting it, by typing or by the program, raises onChange when it
  // changes, as the system's field does.
  const std::string& text() const { return caption(); }
  void SetText(std::string text);
  std::function<void()> onChange;

 private:
  bool multiLine_;
  bool readOnly_ = false;
};

}  // namespace halvex::ui
