#include "platform/win32/win32_platform_class.h"

#include <windows.h>

namespace halvex::platform::win32 {

std::uint8_t SystemPlatformClass() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return 0;
#pragma GCC diagnostic pop
  switch (info.dwPlatformId) {
    case VER_PLATFORM_WIN32s:
      return 1;
    case VER_PLATFORM_WIN32_WINDOWS:
      return 2;
    case VER_PLATFORM_WIN32_NT:
      return 4;
    default:
      return 0;
  }
}

}  // namespace halvex::platform::win32
