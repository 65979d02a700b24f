#include "platform/win32/win32_shell_operations.h"

#include <windows.h>
// windows.h first: shlobj.h needs its types.
#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "platform/free_file_name.h"

namespace halvex::platform::win32 {
namespace {

constexpr FILEOP_FLAGS kSilentUndoable = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_NOERRORUI;

// The shell's list of paths: each ends with a NUL, the list with a second one.
std::string PathList(std::string_view path) {
  std::string list(path);
  list.append(2, '\0');
  return list;
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Preselects the folder handed in lParam once the browser has initialised.
int CALLBACK PreselectFolder(HWND window, UINT message, LPARAM, LPARAM folder) {
  if (message == BFFM_INITIALIZED && folder != 0) {
    SendMessageA(window, BFFM_SETSELECTIONA, TRUE, folder);
  }
  return 0;
}

}  // namespace

bool Win32ShellOperations::Recycle(std::string_view path) {
  const std::string from = PathList(path);
  SHFILEOPSTRUCTA operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = kSilentUndoable;
  return SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
}

bool Win32ShellOperations::MoveInto(std::string_view path, std::string_view folder) {
  if (folder.empty()) return false;
  const std::size_t slash = path.find_last_of('\\');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::string from = PathList(path);
  const std::string to = PathList(FreePathIn(folder, name, Exists));
  SHFILEOPSTRUCTA operation{};
  operation.wFunc = FO_MOVE;
  operation.pFrom = from.c_str();
  operation.pTo = to.c_str();
  operation.fFlags = kSilentUndoable | FOF_RENAMEONCOLLISION;
  return SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
}

std::optional<std::string> Win32ShellOperations::DriveDisplayName(std::string_view root) {
  const std::string rootText(root);
  SHFILEINFOA info{};
  if (SHGetFileInfoA(rootText.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_DISPLAYNAME) ==
      0) {
    return std::nullopt;
  }
  if (info.hIcon != nullptr) DestroyIcon(info.hIcon);
  info.szDisplayName[MAX_PATH - 1] = '\0';
  return std::string(info.szDisplayName);
}

std::optional<std::string> Win32ShellOperations::BrowseForFolder(std::string_view title,
                                                                 std::string_view preselect) {
  const std::string titleText(title);
  const std::string preselected(preselect);
  const DWORD attributes = GetFileAttributesA(preselected.c_str());
  const bool preselects = !preselected.empty() && attributes != INVALID_FILE_ATTRIBUTES &&
                          (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  BROWSEINFOA browse{};
  browse.hwndOwner = GetActiveWindow();
  browse.lpszTitle = titleText.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  browse.lpfn = PreselectFolder;
  browse.lParam = preselects ? reinterpret_cast<LPARAM>(preselected.c_str()) : 0;
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  HWND owner = browse.hwndOwner;
  if (owner != nullptr) EnableWindow(owner, FALSE);
  LPITEMIDLIST item = SHBrowseForFolderA(&browse);
  if (owner != nullptr) EnableWindow(owner, TRUE);
  SetErrorMode(oldMode);
  if (item == nullptr) return std::nullopt;
  char path[MAX_PATH] = {};
  const bool converted = SHGetPathFromIDListA(item, path) != FALSE;
  CoTaskMemFree(item);
  if (!converted) return std::nullopt;
  return std::string(path);
}

UserFolders Win32ShellOperations::UserFolderPaths() {
  const auto folder = [](int which) {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, which, nullptr, SHGFP_TYPE_CURRENT, path)))
      return std::string();
    path[MAX_PATH - 1] = '\0';
    std::string text(path);
    while (text.size() > 3 && text.back() == '\\') text.pop_back();
    return text;
  };
  UserFolders folders;
  folders.profile = folder(CSIDL_PROFILE);
  folders.desktop = folder(CSIDL_DESKTOPDIRECTORY);
  folders.documents = folder(CSIDL_PERSONAL);
  const std::size_t slash = folders.profile.find_last_of('\\');
  folders.profiles = slash == std::string::npos ? std::string() : folders.profile.substr(0, slash);
  return folders;
}

}  // namespace halvex::platform::win32
