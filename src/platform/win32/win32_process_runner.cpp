#include "platform/win32/win32_process_runner.h"

#include <windows.h>

#include <vector>

namespace halvex::platform::win32 {

ProcessExit Win32ProcessRunner::RunHidden(std::string_view commandLine,
                                          const std::function<void()>& pump) {
  ProcessExit exit;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  std::vector<char> line(commandLine.begin(), commandLine.end());  // CreateProcessA may write it
  line.push_back('\0');
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return exit;
  }
  exit.started = true;
  CloseHandle(process.hThread);

  if (!pump) {
    WaitForSingleObject(process.hProcess, INFINITE);
  } else {
    // Woken by the process's end or by new input for this thread, whichever comes first.
    while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, INFINITE, QS_ALLINPUT) ==
           WAIT_OBJECT_0 + 1) {
      pump();
    }
  }
  DWORD code = 0;
  // An exit code that cannot be read is no success.
  exit.exitCode = GetExitCodeProcess(process.hProcess, &code) ? code : 0xFFFFFFFFu;
  CloseHandle(process.hProcess);
  return exit;
}

}  // namespace halvex::platform::win32
