#include "platform/win32/win32_desktop.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>

namespace halvex::platform::win32 {

namespace {

// The window the boxes belong to: the active window of this thread, so that they are modal to
// the program's windows.
HWND OwnerWindow() {
  return GetActiveWindow();
}

// Handles one message; false when it was the request to end the loop, which is posted again so
// that the outer message loop sees it too.
bool DispatchOne(const MSG& message) {
  if (message.message == WM_QUIT) {
    PostQuitMessage(static_cast<int>(message.wParam));
    return false;
  }
  TranslateMessage(&message);
  DispatchMessageA(&message);
  return true;
}

}  // namespace

MessageAnswer Win32MessageBoxes::Show(std::string_view text, std::string_view caption,
                                      MessageButtons buttons, MessageIcon icon) {
  const std::string textZ(text), captionZ(caption);
  const int answer = MessageBoxA(OwnerWindow(), textZ.c_str(), captionZ.c_str(),
                                 static_cast<UINT>(buttons) | static_cast<UINT>(icon));
  return static_cast<MessageAnswer>(answer);
}

void Win32MessageBoxes::ShowError(std::string_view message) {
  const std::string messageZ(message);
  MessageBoxA(OwnerWindow(), messageZ.c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

void Win32MessagePump::ProcessMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (!DispatchOne(message)) return;
  }
}

void Win32MessagePump::SleepPumping(unsigned milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      // Once the program is asked to end there is nothing left to wait for.
      if (!DispatchOne(message)) return;
    }
  }
}

bool Win32ProcessStarter::Start(const ProcessStart& start) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.hwnd = GetActiveWindow();
  info.lpVerb = start.verb.empty() ? nullptr : start.verb.c_str();
  info.lpFile = start.file.c_str();
  info.lpParameters = start.parameters.empty() ? nullptr : start.parameters.c_str();
  info.lpDirectory = start.folder.empty() ? nullptr : start.folder.c_str();
  info.nShow = start.show == ShowMode::Hidden ? SW_HIDE : SW_SHOWNORMAL;
  if (!ShellExecuteExA(&info)) return false;
  // The program is not waited for; only the handle the mask asked for is given back.
  if (info.hProcess != nullptr) CloseHandle(info.hProcess);
  return true;
}

Win32WindowMessages::~Win32WindowMessages() {
  if (claimed_ == nullptr) return;
  ReleaseMutex(claimed_);
  CloseHandle(claimed_);
}

bool Win32WindowMessages::ClaimInstance(std::string_view name) {
  if (claimed_ != nullptr) return true;
  // In the session's namespace, so that the elevated copy meets the one that started it.
  const std::string mutexName = "Local\\" + std::string(name);
  HANDLE mutex = CreateMutexA(nullptr, FALSE, mutexName.c_str());
  if (mutex == nullptr) return true;  // without the mutex only the window tells copies apart
  // Owning it, not only making it, is the claim: a mutex its owner left by ending is free.
  const DWORD waited = WaitForSingleObject(mutex, 0);
  if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
    claimed_ = mutex;
    return true;
  }
  CloseHandle(mutex);
  return false;
}

std::optional<WindowHandle> Win32WindowMessages::FindTopLevelWindow(std::string_view className) {
  const std::string classZ(className);
  HWND window = FindWindowA(classZ.c_str(), nullptr);
  if (window == nullptr) return std::nullopt;
  return WindowHandle{reinterpret_cast<std::uintptr_t>(window)};
}

bool Win32WindowMessages::PostToWindow(WindowHandle window, std::uint32_t message,
                                       std::uintptr_t wParam, std::intptr_t lParam) {
  return PostMessageA(reinterpret_cast<HWND>(window.value), message, wParam, lParam) != FALSE;
}

SystemVersion Win32SystemInfo::Version() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return {};
#pragma GCC diagnostic pop
  return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

std::string Win32SystemInfo::ExecutablePath() {
  std::string path(MAX_PATH, '\0');
  while (true) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace halvex::platform::win32
