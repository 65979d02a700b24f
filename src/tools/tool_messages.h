#pragma once
// The tools' plain messages: an OK box without icon, captioned with the application's title
// (the same text as app::kProductName, which this layer cannot reach).
#include <string_view>

#include "platform/message_boxes.h"

namespace halvex::tools {

inline constexpr std::string_view kApplicationTitle = "Hal Vex";

inline void ShowPlainMessage(platform::MessageBoxes& messages, std::string_view text) {
  (void)messages.Show(text, kApplicationTitle, platform::MessageButtons::Ok,
                      platform::MessageIcon::None);
}

}  // namespace halvex::tools
