#pragma once
// Whether a folder can be entered, as SetCurrentDirectoryA decides, and deleting for good with
// SHFileOperationA.
#include "platform/folder_operations.h"

namespace halvex::platform::win32 {

class Win32FolderOperations final : public FolderOperations {
 public:
  bool CanEnter(std::string_view folder) override;
  bool DeleteForGood(std::string_view path) override;
};

}  // namespace halvex::platform::win32
