#include "backup/checked_write.h"

namespace halvex::backup {

bool WriteBackupFile(platform::FileSystem& files, std::string_view folder, std::string_view path,
                     std::string_view bytes) {
  if (!files.FolderExists(folder) && !files.CreateFolder(folder)) return false;
  if (files.WriteFile(path, bytes) && files.ReadFile(path) == bytes) return true;
  (void)files.DeleteFile(path);
  return false;
}

}  // namespace halvex::backup
