#pragma once
// Writing a backup file so that it counts only when it is on the disk whole.
#include <string_view>

#include "platform/file_system.h"

namespace halvex::backup {

// Creates the folder (ending in "\") when it is missing, writes the file and reads it back. A
// file that does not read back as written is deleted again, so that a part of a backup never
// passes for one; false then.
[[nodiscard]] bool WriteBackupFile(platform::FileSystem& files, std::string_view folder,
                                   std::string_view path, std::string_view bytes);

}  // namespace halvex::backup
