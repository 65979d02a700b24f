#pragma once
// What the program asks about the system it runs on and about itself.
#include <cstdint>
#include <string>

namespace halvex::platform {

// The platform identifier and version numbers as the system reports them (GetVersionEx).
struct SystemVersion {
  std::uint32_t platformId = 0;  // 0 Win32s, 1 Windows 95 family, 2 NT family
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
};

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  virtual SystemVersion Version() = 0;
  // The full path of the running program's executable.
  virtual std::string ExecutablePath() = 0;
};

}  // namespace halvex::platform
