#include "platform/win32/win32_folder_operations.h"

#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <string>

namespace halvex::platform::win32 {

// Opens the folder as SetCurrentDirectoryA does (traverse access, a directory), without making
// it the current folder: a current folder outside the drives (Wine's "\\?\unix\..." paths) could
// not be set back, and the folder would stay held until the process ends.
bool Win32FolderOperations::CanEnter(std::string_view folder) {
  if (folder.empty()) return false;
  const std::string path(folder);
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return false;
  }
  HANDLE handle = CreateFileA(path.c_str(), FILE_TRAVERSE | SYNCHRONIZE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  CloseHandle(handle);
  return true;
}

bool Win32FolderOperations::DeleteForGood(std::string_view path) {
  std::string from(path);
  from.append(2, '\0');  // the shell's list of paths ends with a second NUL
  SHFILEOPSTRUCTA operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI;  // 0x0410: no Recycle Bin
  const bool done = SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
  return done && GetFileAttributesA(std::string(path).c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace halvex::platform::win32
