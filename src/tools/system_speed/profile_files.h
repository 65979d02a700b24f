#pragma once
// The speed backup files through the program's profile-file layer.
#include "platform/platform.h"
#include "tools/system_speed/speed_backups.h"

namespace halvex::tools::system_speed {

// Opens profile files of the machine `platform` belongs to.
ProfileFileOpener ProfileFilesOf(platform::Platform& platform);

}  // namespace halvex::tools::system_speed
