#include "platform/substitute/scripted_message_boxes.h"

namespace halvex::platform::substitute {

namespace {

MessageAnswer FirstButton(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
      return MessageAnswer::Ok;
    case MessageButtons::AbortRetryIgnore:
      return MessageAnswer::Abort;
    case MessageButtons::YesNoCancel:
    case MessageButtons::YesNo:
      return MessageAnswer::Yes;
    case MessageButtons::RetryCancel:
      return MessageAnswer::Retry;
  }
  return MessageAnswer::None;
}

}  // namespace

MessageAnswer ScriptedMessageBoxes::Show(std::string_view text, std::string_view caption,
                                         MessageButtons buttons, MessageIcon icon) {
  shown_.push_back({std::string(text), std::string(caption), buttons, icon, false});
  if (answers_.empty()) return FirstButton(buttons);
  const MessageAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void ScriptedMessageBoxes::ShowError(std::string_view message) {
  shown_.push_back({std::string(message), {}, MessageButtons::Ok, MessageIcon::Error, true});
}

}  // namespace halvex::platform::substitute
