#pragma once
// Message boxes for tests: records every box shown and answers from a script.
#include <deque>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace halvex::platform::substitute {

struct ShownMessage {
  std::string text;
  std::string caption;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
  bool isErrorBox = false;  // the application's standard error box
};

class ScriptedMessageBoxes final : public MessageBoxes {
 public:
  // The answer to the next box shown; answers are used in the order they were given.
  void AnswerNext(MessageAnswer answer) { answers_.push_back(answer); }

  // Without a scripted answer a box answers its first button, as pressing Enter does.
  MessageAnswer Show(std::string_view text, std::string_view caption, MessageButtons buttons,
                     MessageIcon icon) override;
  void ShowError(std::string_view message) override;

  const std::vector<ShownMessage>& shown() const { return shown_; }
  std::size_t unusedAnswers() const { return answers_.size(); }

 private:
  std::deque<MessageAnswer> answers_;
  std::vector<ShownMessage> shown_;
};

}  // namespace halvex::platform::substitute
