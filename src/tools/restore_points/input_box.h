#pragma once
// The input box: a small modal dialog with a prompt, a text field, OK and Cancel. The window
// system shows it like any other dialog, so tests answer it with a modal script.
#include <optional>
#include <string>

#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/window_system.h"

namespace halvex::tools {

class TInputBoxForm : public ui::Form {
 public:
  TInputBoxForm(std::string caption, std::string prompt, std::string text);

  ui::Label LabelPrompt{"LabelPrompt"};
  ui::Edit EditValue{"EditValue"};
  ui::Button OkBtn{"OkBtn", "OK"};
  ui::Button CancelBtn{"CancelBtn", "Cancel"};
};

// The text the user confirmed, or nullopt when the user cancelled.
std::optional<std::string> InputBox(ui::WindowSystem& windows, std::string caption,
                                    std::string prompt, std::string text);

}  // namespace halvex::tools
