#pragma once
// The system's version and the executable's path, as a test sets them.
#include "platform/system_info.h"

namespace halvex::platform::substitute {

class FixedSystemInfo final : public SystemInfo {
 public:
  SystemVersion version{2, 6, 1};
  std::string executablePath = "C:\\Program Files\\Halvex\\Halvex.exe";

  SystemVersion Version() override { return version; }
  std::string ExecutablePath() override { return executablePath; }
};

}  // namespace halvex::platform::substitute
