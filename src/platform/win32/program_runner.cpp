#include "platform/win32/program_runner.h"

#include <windows.h>

#include <vector>

namespace halvex::platform::win32 {
namespace {

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

ProgramRun RunAndWait(const std::string& commandLine, const std::string& folder,
                      std::uint32_t timeoutMilliseconds) {
  ProgramRun run;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::vector<char> line(commandLine.begin(), commandLine.end());  // CreateProcessA may write it
  line.push_back('\0');
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
    return run;
  }
  run.started = true;
  run.finished = WaitForSingleObject(process.hProcess, timeoutMilliseconds) == WAIT_OBJECT_0;
  if (!run.finished) TerminateProcess(process.hProcess, 1);
  DWORD exitCode = 0;
  if (run.finished && GetExitCodeProcess(process.hProcess, &exitCode)) run.exitCode = exitCode;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

std::string FindSystemProgram(std::string_view fileName) {
  char folder[MAX_PATH];
  using FolderQuery = UINT(WINAPI*)(LPSTR, UINT);
  for (FolderQuery query :
       {FolderQuery(&GetWindowsDirectoryA), FolderQuery(&GetSystemDirectoryA)}) {
    const UINT length = query(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) continue;
    const std::string path = std::string(folder, length) + "\\" + std::string(fileName);
    if (IsFile(path)) return path;
  }
  return {};
}

std::uint32_t AnsiCodePage() {
  return GetACP();
}

}  // namespace halvex::platform::win32
