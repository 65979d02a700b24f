#pragma once
// The platform class of the running system, from the platform identifier it reports
// (GetVersionExA): 1 Win32s, 2 the Windows 95 family, 4 the NT family, 0 for anything else.
#include <cstdint>

namespace halvex::platform::win32 {

std::uint8_t SystemPlatformClass();

}  // namespace halvex::platform::win32
