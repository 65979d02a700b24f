#include "platform/win32/win32_recycle_bin.h"

#include <windows.h>

namespace halvex::platform::win32 {
namespace {

using EmptyRecycleBinA = HRESULT(WINAPI*)(HWND, LPCSTR, DWORD);

// SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND.
constexpr DWORD kSilently = 0x7;

}  // namespace

EmptyRecycleBinResult Win32RecycleBin::EmptyAll() {
  HMODULE shell = LoadLibraryA("Shell32.dll");
  if (shell == nullptr) return EmptyRecycleBinResult::NoLibrary;
  // Through void*: a FARPROC cast straight to another function type draws a warning.
  const auto empty = reinterpret_cast<EmptyRecycleBinA>(
      reinterpret_cast<void*>(GetProcAddress(shell, "SHEmptyRecycleBinA")));
  EmptyRecycleBinResult result = EmptyRecycleBinResult::NoFunction;
  if (empty != nullptr) {
    // An empty root path means every drive. The answer says nothing useful: an empty bin
    // answers a failure on some systems.
    empty(nullptr, "", kSilently);
    result = EmptyRecycleBinResult::Called;
  }
  FreeLibrary(shell);
  return result;
}

}  // namespace halvex::platform::win32
