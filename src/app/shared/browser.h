#pragma once
// Opening a web address in the user's browser.
#include <string_view>

#include "platform/process_starter.h"

namespace halvex::app {

// Hands a web address ("http://" or "https://", in any case) to the shell, which opens it in
// the default browser. Anything else starts nothing: the addresses come from settings that any
// program of the user can write, and the copy that stays running may be elevated. False when
// nothing was opened; no message is shown either way.
[[nodiscard]] bool OpenUrlInBrowser(platform::ProcessStarter& processes, std::string_view address);

}  // namespace halvex::app
