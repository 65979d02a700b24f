#include "platform/win32/win32_platform_class.h"

#include <windows.h>

namespace halvex::platform::win32 {

PlatformClass SystemPlatformClass() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return PlatformClass::Undetermined;
#pragma GCC diagnostic pop
  return PlatformClassOf(info.dwPlatformId);
}

}  // namespace halvex::platform::win32
