#pragma once
// The turns a walk over folders gives the window: asked once per directory entry, it lets the
// front end handle its messages when 10 ms have passed since its last turn (by the clock's tick
// count), so Stop and repaints get a turn well within 50 ms while a walk over a hundred
// thousand files spends little time in the message loop. The command line passes no turn.
#include <cstdint>
#include <functional>

#include "platform/clock.h"

namespace halvex::tools::cleanup {

class WalkTurns {
 public:
  static constexpr std::uint32_t kInterval = 10;

  WalkTurns(platform::Clock& clock, std::function<void()> turn,
            std::function<bool()> stopRequested);

  // Gives the turn when it is due; then true when the walk should stop.
  bool EntryAndStop();
  bool stopRequested() const { return stopRequested_ && stopRequested_(); }

 private:
  platform::Clock& clock_;
  std::function<void()> turn_;
  std::function<bool()> stopRequested_;
  std::uint32_t lastTurn_;
};

}  // namespace halvex::tools::cleanup
