#pragma once
// Opening a web address in the user's browser.
#include <string_view>

#include "platform/process_starter.h"

namespace halvex::app {

// Hands the address to the shell, which opens it in the default browser. False when the
// shell could not; an empty address opens nothing.
[[nodiscard]] bool OpenUrlInBrowser(platform::ProcessStarter& processes, std::string_view address);

}  // namespace halvex::app
