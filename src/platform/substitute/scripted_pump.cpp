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
  for (std::size_t i = 0; i < conditional_.size();) {
    if (!conditional_[i].condition() || --conditional_[i].remaining != 0) {
      ++i;
      continue;
    }
    Event event = std::move(conditional_[i].event);
    conditional_.erase(conditional_.begin() + static_cast<std::ptrdiff_t>(i));
    event();
  }
}

void ScriptedPump::SleepPumping(unsigned milliseconds) {
  slept_ += milliseconds;
  ProcessMessages();
}

}  // namespace halvex::platform::substitute
