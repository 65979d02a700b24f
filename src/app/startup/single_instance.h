#pragma once
// One copy of the program at a time: a second start hands over to the running copy and ends.
#include "platform/message_pump.h"
#include "platform/window_messages.h"

namespace halvex::app {

enum class InstanceOutcome {
  FirstCopy,   // no copy runs: go on starting
  HandedOver,  // a copy runs and was asked to restore itself, or is still starting: end
};

// How long a second copy waits for a copy that is still starting to show its main window.
inline constexpr unsigned kStartingCopyWait = 30000;

// Looks for the running copy's main window and posts it the restore message. The start
// argument of this copy is dropped either way the running copy answers.
//
// A copy that is still starting has no main window yet (the splash shows for seconds), so
// every copy also claims the program's instance name: while another copy holds it, this one
// waits for that copy's window to hand over to it, and takes the claim itself if that copy
// ends first (as the unelevated copy does when it restarts elevated).
[[nodiscard]] InstanceOutcome HandOverToRunningCopy(platform::WindowMessages& windows,
                                                    platform::MessagePump& pump);

}  // namespace halvex::app
