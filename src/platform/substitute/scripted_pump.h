#pragma once
// A message pump for tests: each pass through the pump runs the events scheduled for it, so a
// test can press Abort in the middle of a long loop.
#include <cstddef>
#include <functional>
#include <map>
#include <vector>

#include "platform/message_pump.h"

namespace halvex::platform::substitute {

class ScriptedPump final : public MessagePump {
 public:
  using Event = std::function<void()>;

  // Runs `event` during pass number `pass` (1 is the first pass from now on counted).
  void AtPass(std::size_t pass, Event event) { events_.emplace(pass, std::move(event)); }
  // Runs `event` during the next pass.
  void Next(Event event) { AtPass(passes_ + 1, std::move(event)); }
  // Runs `event` during the `pass`-th pass at which `condition` holds (1 is the first), so a
  // test can act while a given part of a long loop runs, however often the parts before it pump.
  void AtPassWhen(std::function<bool()> condition, std::size_t pass, Event event) {
    conditional_.push_back({std::move(condition), pass, std::move(event)});
  }

  void ProcessMessages() override;
  // Counts as one pass; the time is only added up.
  void SleepPumping(unsigned milliseconds) override;

  std::size_t passes() const { return passes_; }
  unsigned long long sleptMilliseconds() const { return slept_; }
  std::size_t pendingEvents() const { return events_.size() + conditional_.size(); }

 private:
  struct ConditionalEvent {
    std::function<bool()> condition;
    std::size_t remaining;
    Event event;
  };

  std::multimap<std::size_t, Event> events_;
  std::vector<ConditionalEvent> conditional_;
  std::size_t passes_ = 0;
  unsigned long long slept_ = 0;
};

}  // namespace halvex::platform::substitute
