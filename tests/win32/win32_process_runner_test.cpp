// The Win32 process runner under Wine: exit codes come back, a program that is not there does
// not start, and the wait lets the caller's messages through while the program runs.
#include "platform/win32/win32_process_runner.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace halvex::testing {
namespace {

std::string TempFolder() {
  char temp[MAX_PATH];
  const DWORD length = GetTempPathA(MAX_PATH, temp);
  return std::string(temp, length);
}

TEST(Win32ProcessRunner, GivesBackTheExitCode) {
  platform::win32::Win32ProcessRunner runner;
  const platform::ProcessExit exit = runner.RunHidden("cmd /c exit 3", {});
  EXPECT_TRUE(exit.started);
  EXPECT_EQ(exit.exitCode, 3u);
  EXPECT_FALSE(exit.succeeded());
  EXPECT_TRUE(runner.RunHidden("cmd /c exit 0", {}).succeeded());
}

TEST(Win32ProcessRunner, AProgramThatIsNotThereDoesNotStart) {
  platform::win32::Win32ProcessRunner runner;
  EXPECT_FALSE(runner.RunHidden("halvex-no-such-program.exe /s x.reg", {}).started);
}

TEST(Win32ProcessRunner, PumpsWhileItWaits) {
  const std::string flag = TempFolder() + "halvex-runner-" + std::to_string(GetCurrentProcessId());
  DeleteFileA(flag.c_str());
  // A message waits for this thread, so the runner hands over to the pump at once. The child
  // ends with 7 once the pump has made the flag file, which it looks for again and again; it
  // gives up with 1 only after far longer than the pump needs.
  ASSERT_TRUE(PostThreadMessageA(GetCurrentThreadId(), WM_USER, 0, 0));
  int pumps = 0;
  const auto pump = [&] {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ++pumps;
    const HANDLE file = CreateFileA(flag.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  };
  platform::win32::Win32ProcessRunner runner;
  const platform::ProcessExit exit = runner.RunHidden(
      "cmd /c \"for /l %i in (1,1,100000000) do @if exist " + flag + " exit 7\" & exit 1", pump);
  DeleteFileA(flag.c_str());
  EXPECT_TRUE(exit.started);
  EXPECT_EQ(exit.exitCode, 7u);
  EXPECT_GE(pumps, 1);
}

}  // namespace
}  // namespace halvex::testing
