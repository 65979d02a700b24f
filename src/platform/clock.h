#pragma once
#include <cstdint>
#include <optional>

namespace halvex::platform {

// 100-nanosecond intervals since 1601-01-01 UTC, as the system's FILETIME counts.
using FileTime = std::uint64_t;

struct LocalTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() = 0;
  // A file time (UTC) in the local time zone; nullopt when the system cannot convert it.
  virtual std::optional<LocalTime> FileTimeToLocal(FileTime time) = 0;
  // Milliseconds since some moment, never going back (the system's tick count). It wraps after
  // about 49.7 days, so only differences of two readings, taken unsigned, mean anything.
  virtual std::uint32_t TickCount() = 0;
};

}  // namespace halvex::platform
