#pragma once
// The platform class of the running system, from the platform identifier it reports
// (GetVersionExA); undetermined when the system does not answer.
#include "platform/platform_class.h"

namespace halvex::platform::win32 {

PlatformClass SystemPlatformClass();

}  // namespace halvex::platform::win32
