#pragma once
// The clock of the substitute machine: "now" stands still until a test moves it, and file
// times show in a local time zone that is a fixed offset from UTC (no daylight saving).
#include "platform/clock.h"

namespace halvex::platform::substitute {

// The moment a substitute machine starts at unless told otherwise.
inline constexpr LocalTime kDefaultNow{2026, 1, 15, 12, 0, 0, 0};

class FixedClock final : public Clock {
 public:
  explicit FixedClock(LocalTime now = kDefaultNow, int utcOffsetMinutes = 0)
      : now_(now), utcOffsetMinutes_(utcOffsetMinutes) {}

  void SetNow(const LocalTime& now) { now_ = now; }
  // Minutes east of UTC: +60 for UTC+1, -300 for UTC-5.
  void SetUtcOffset(int minutes) { utcOffsetMinutes_ = minutes; }
  int utcOffsetMinutes() const { return utcOffsetMinutes_; }

  LocalTime Now() override { return now_; }
  // nullopt when the time, moved by the offset, leaves the range a file time can hold.
  std::optional<LocalTime> FileTimeToLocal(FileTime time) override;

 private:
  LocalTime now_;
  int utcOffsetMinutes_;
};

}  // namespace halvex::platform::substitute
