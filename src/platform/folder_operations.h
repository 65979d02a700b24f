#pragma once
// What the history cleaner asks of the file system beside the listing: whether a folder can be
// entered, and deleting a file or a whole folder for good.
#include <string_view>

namespace halvex::platform {

class FolderOperations {
 public:
  virtual ~FolderOperations() = default;

  // Whether the folder could be made the current folder (SetCurrentDirectoryA: it exists, is a
  // folder and may be traversed); the process's current folder never changes.
  virtual bool CanEnter(std::string_view folder) = 0;
  // Deletes a file, or a folder with everything in it, permanently and silently
  // (SHFileOperationA FO_DELETE with FOF_NOCONFIRMATION and FOF_NOERRORUI: 0x0410). False when
  // the shell refused or left anything behind.
  [[nodiscard]] virtual bool DeleteForGood(std::string_view path) = 0;
};

}  // namespace halvex::platform
