#include "tools/cleanup/walk_turns.h"

namespace halvex::tools::cleanup {

WalkTurns::WalkTurns(platform::Clock& clock, std::function<void()> turn,
                     std::function<bool()> stopRequested)
    : clock_(clock),
      turn_(std::move(turn)),
      stopRequested_(std::move(stopRequested)),
      lastTurn_(clock.TickCount()) {}

bool WalkTurns::EntryAndStop() {
  if (turn_) {
    const std::uint32_t now = clock_.TickCount();
    if (now - lastTurn_ >= kInterval) {
      lastTurn_ = now;
      turn_();
    }
  }
  return stopRequested();
}

}  // namespace halvex::tools::cleanup
