#pragma once
// The platform class the program consults: which family of Windows it runs on. It decides the
// header of the registry export files and whether the restore point tool opens.
#include <cstdint>

namespace halvex::platform {

enum class PlatformClass : std::uint8_t {
  Undetermined = 0,
  Win32s = 1,
  Windows95Family = 2,
  NtFamily = 4,
};

// From the platform identifier the system reports (SystemInfo::Version().platformId: 0 Win32s,
// 1 the Windows 95 family, 2 the NT family); unknown identifiers leave it undetermined.
constexpr PlatformClass PlatformClassOf(std::uint32_t platformId) {
  switch (platformId) {
    case 0:
      return PlatformClass::Win32s;
    case 1:
      return PlatformClass::Windows95Family;
    case 2:
      return PlatformClass::NtFamily;
    default:
      return PlatformClass::Undetermined;
  }
}

}  // namespace halvex::platform
