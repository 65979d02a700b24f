#pragma once
// The program keeps every file of its own in the folder of its executable or below it.
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace halvex::model {

// The path of `relativePath` (such as "HalvoIgnores.dat" or "RepairBackup\") in the program folder.
std::string InProgramFolder(platform::FileSystem& files, std::string_view relativePath);

}  // namespace halvex::model
