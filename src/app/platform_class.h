#pragma once
// The platform class other parts consult: 0 undetermined, 1 Win32s, 2 the Windows 95 family,
// 4 the NT family.
#include <cstdint>

namespace halvex::app {

namespace platform_class {
inline constexpr std::uint8_t kUndetermined = 0;
inline constexpr std::uint8_t kWin32s = 1;
inline constexpr std::uint8_t kWindows95 = 2;
inline constexpr std::uint8_t kNt = 4;
}  // namespace platform_class

// From the platform identifier the system reports; unknown identifiers leave it undetermined.
constexpr std::uint8_t PlatformClassOf(std::uint32_t platformId) {
  switch (platformId) {
    case 0:
      return platform_class::kWin32s;
    case 1:
      return platform_class::kWindows95;
    case 2:
      return platform_class::kNt;
    default:
      return platform_class::kUndetermined;
  }
}

}  // namespace halvex::app
