#include "platform/win32/win32_folder_operations.h"

#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <string>

namespace halvex::platform::win32 {

bool Win32FolderOperations::CanEnter(std::string_view folder) {
  if (folder.empty()) return false;
  char current[MAX_PATH + 1] = {};
  const DWORD length = GetCurrentDirectoryA(sizeof current, current);
  const bool entered = SetCurrentDirectoryA(std::string(folder).c_str()) != FALSE;
  // Entering changed the process's current folder, which other code relies on.
  if (entered && length > 0 && length < sizeof current) SetCurrentDirectoryA(current);
  return entered;
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
