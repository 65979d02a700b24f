#include "platform/win32/win32_shell_links.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

#include "platform/win32/com_objects.h"

#include <string>

namespace halvex::platform::win32 {
namespace {

// COM for the calling thread for as long as the object lives, undone only if this made it.

// The path as the link object takes it: UTF-16, at most MAX_PATH - 1 characters.
bool ToWidePath(std::string_view path, wchar_t (&wide)[MAX_PATH]) {
  if (path.empty() || path.size() >= MAX_PATH) return false;
  const int length = MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()),
                                         wide, MAX_PATH - 1);
  if (length <= 0) return false;
  wide[length] = L'\0';
  return true;
}

}  // namespace

std::string Win32ShellLinks::ShortcutTarget(std::string_view shortcutPath) {
  wchar_t widePath[MAX_PATH];
  if (!ToWidePath(shortcutPath, widePath)) return {};
  const ComScope com;
  if (!com.usable()) return {};
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> file;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              link.outVoid())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, file.outVoid())) ||
      FAILED(file->Load(widePath, STGM_READ))) {
    return {};
  }
  char target[MAX_PATH] = {};
  WIN32_FIND_DATAA found;
  if (link->GetPath(target, MAX_PATH, &found, SLGP_UNCPRIORITY) != S_OK) return {};
  target[MAX_PATH - 1] = '\0';
  return target;
}

bool Win32ShellLinks::SaveShortcut(std::string_view shortcutPath, std::string_view target) {
  wchar_t widePath[MAX_PATH];
  if (!ToWidePath(shortcutPath, widePath)) return false;
  const std::string targetText(target);
  const ComScope com;
  if (!com.usable()) return false;
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> file;
  return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                    link.outVoid())) &&
         SUCCEEDED(link->SetPath(targetText.c_str())) &&
         SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.outVoid())) &&
         SUCCEEDED(file->Save(widePath, TRUE));
}

}  // namespace halvex::platform::win32
