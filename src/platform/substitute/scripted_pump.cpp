#include "platform/substitute/scripted_pump.h"

#include <vector>

namespace halvex::platform::substitute {

void ScriptedPump::ProcessMessages() {
  ++passes_;
  // An event may schedule further events; those for this same pass run too.
  while (true) {
    const auto found = events_.find(passes_);
    if (found == events_.end()) break;
    Event event = std::move(found->second);
    events_.erase(found);
    event();
  }
}

void ScriptedPump::SleepPumping(unsigned milliseconds) {
  slept_ += milliseconds;
  ProcessMessages();
}

}  // namespace halvex::platform::substitute
