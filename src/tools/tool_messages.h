#pragma once
// The tools' plain messages: an OK box without icon, captioned with the program's name.
#include <string_view>

#include "platform/message_boxes.h"
#include "ui/product_name.h"

namespace halvex::tools {

inline void ShowPlainMessage(platform::MessageBoxes& messages, std::string_view text) {
  (void)messages.Show(text, ui::kProductName, platform::MessageButtons::Ok,
                      platform::MessageIcon::None);
}

}  // namespace halvex::tools
