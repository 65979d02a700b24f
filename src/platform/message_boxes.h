#pragma once
// Message boxes, and the application's standard error box that shows an error escaping a
// handler. The buttons, icons and answers are numbered as the system numbers them.
#include <string_view>

namespace halvex::platform {

enum class MessageButtons : unsigned {
  Ok = 0,
  OkCancel = 1,
  AbortRetryIgnore = 2,
  YesNoCancel = 3,
  YesNo = 4,
  RetryCancel = 5,
};

enum class MessageIcon : unsigned {
  None = 0,
  Error = 0x10,
  Question = 0x20,
  Warning = 0x30,
  Information = 0x40,
};

enum class MessageAnswer : int {
  None = 0,  // the box could not be shown
  Ok = 1,
  Cancel = 2,
  Abort = 3,
  Retry = 4,
  Ignore = 5,
  Yes = 6,
  No = 7,
};

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows the box modally over the program's windows and answers the button pressed.
  [[nodiscard]] virtual MessageAnswer Show(std::string_view text, std::string_view caption,
                                           MessageButtons buttons, MessageIcon icon) = 0;
  // The standard error box: the error's message with the application's title, an error icon
  // and OK.
  virtual void ShowError(std::string_view message) = 0;
};

}  // namespace halvex::platform
