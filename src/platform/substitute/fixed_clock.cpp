#include "platform/substitute/fixed_clock.h"

#include "platform/substitute/civil_time.h"

namespace halvex::platform::substitute {

std::optional<LocalTime> FixedClock::FileTimeToLocal(FileTime time) {
  if (time > kLargestFileTime) return std::nullopt;
  const FileTime shift =
      static_cast<FileTime>(utcOffsetMinutes_ < 0 ? -utcOffsetMinutes_ : utcOffsetMinutes_) * 60 *
      kTicksPerSecond;
  if (utcOffsetMinutes_ < 0) {
    if (time < shift) return std::nullopt;
    return FileTimeToFields(time - shift);
  }
  if (kLargestFileTime - time < shift) return std::nullopt;
  return FileTimeToFields(time + shift);
}

}  // namespace halvex::platform::substitute
