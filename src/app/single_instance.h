#pragma once
// One copy of the program at a time: a second start hands over to the running copy and ends.
#include "platform/window_messages.h"

namespace halvex::app {

enum class InstanceOutcome {
  FirstCopy,   // no copy runs: go on starting
  HandedOver,  // a copy runs and was asked to restore itself: end at once
};

// Looks for the running copy's main window and posts it the restore message. The start
// argument of this copy is dropped either way the running copy answers.
[[nodiscard]] InstanceOutcome HandOverToRunningCopy(platform::WindowMessages& windows);

}  // namespace halvex::app
