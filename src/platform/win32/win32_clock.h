#pragma once
// The system's local time and time zone.
#include "platform/clock.h"

namespace halvex::platform::win32 {

class Win32Clock final : public Clock {
 public:
  LocalTime Now() override;
  std::optional<LocalTime> FileTimeToLocal(FileTime time) override;
  // GetTickCount: cheap enough to ask between any two entries of a scan.
  std::uint32_t TickCount() override;
};

}  // namespace halvex::platform::win32
