#pragma once
// The clock of the substitute machine: "now" stands still until a test moves it, and file
// times show in a local time zone that is a fixed offset from UTC (no daylight saving). The tick
// count is scripted: it moves on by a fixed step at every reading, and a test may move it too.
#include <cstdint>

#include "platform/clock.h"

namespace halvex::platform::substitute {

// The moment a substitute machine starts at unless told otherwise.
inline constexpr LocalTime kDefaultNow{2026, 1, 15, 12, 0, 0, 0};
// How far the tick count moves on at each reading unless told otherwise: the resolution of the
// system's own tick count, so that code waiting for a few milliseconds to pass sees them pass
// at every reading, as on a machine where each step of a loop takes a while.
inline constexpr std::uint32_t kDefaultTickStep = 16;

class FixedClock final : public Clock {
 public:
  explicit FixedClock(LocalTime now = kDefaultNow, int utcOffsetMinutes = 0)
      : now_(now), utcOffsetMinutes_(utcOffsetMinutes) {}

  void SetNow(const LocalTime& now) { now_ = now; }
  // Minutes east of UTC: +60 for UTC+1, -300 for UTC-5.
  void SetUtcOffset(int minutes) { utcOffsetMinutes_ = minutes; }
  int utcOffsetMinutes() const { return utcOffsetMinutes_; }

  // The tick count the next reading answers, and how far each reading moves it on (0 stops it).
  void SetTick(std::uint32_t milliseconds) { tick_ = milliseconds; }
  void SetTickStep(std::uint32_t milliseconds) { tickStep_ = milliseconds; }
  void AdvanceTick(std::uint32_t milliseconds) { tick_ += milliseconds; }
  // The tick count as it stands, without reading it (which would move it on).
  std::uint32_t tick() const { return tick_; }

  LocalTime Now() override { return now_; }
  // nullopt when the time, moved by the offset, leaves the range a file time can hold.
  std::optional<LocalTime> FileTimeToLocal(FileTime time) override;
  std::uint32_t TickCount() override {
    const std::uint32_t now = tick_;
    tick_ += tickStep_;
    return now;
  }

 private:
  LocalTime now_;
  int utcOffsetMinutes_;
  std::uint32_t tick_ = 0;
  std::uint32_t tickStep_ = kDefaultTickStep;
};

}  // namespace halvex::platform::substitute
