#pragma once
// The shell's file operations (SHFileOperationA), a drive's display name (SHGetFileInfoA) and
// the folder browser (SHBrowseForFolderA).
#include "platform/shell_operations.h"

namespace halvex::platform::win32 {

class Win32ShellOperations final : public ShellOperations {
 public:
  bool Recycle(std::string_view path) override;
  // The free name is picked before the shell is asked (FOF_RENAMEONCOLLISION is passed too),
  // so the rule holds on every system, Wine included, whatever the shell does on a clash.
  bool MoveInto(std::string_view path, std::string_view folder) override;
  std::optional<std::string> DriveDisplayName(std::string_view root) override;
  std::optional<std::string> BrowseForFolder(std::string_view title,
                                             std::string_view preselect) override;
  // The profiles folder is the one that holds the user's profile.
  UserFolders UserFolderPaths() override;
};

}  // namespace halvex::platform::win32
