#pragma once
// Runs one of the system's programs and waits for it to end: how the tests drive the system's
// registry editor ("regedit /s file", "regedit /e file key") to hold the .reg reader and writer
// to what the editor does.
#include <cstdint>
#include <string>
#include <string_view>

namespace halvex::platform::win32 {

struct [[nodiscard]] ProgramRun {
  bool started = false;   // the process was created
  bool finished = false;  // it ended before the time ran out (else it was ended by force)
  std::uint32_t exitCode = 0;
};

// `folder` is the program's current folder; empty for the caller's.
ProgramRun RunAndWait(const std::string& commandLine, const std::string& folder,
                      std::uint32_t timeoutMilliseconds);

// The full path of a program of the system: the Windows folder first (where regedit.exe
// lives), then the system folder; empty when neither holds it.
std::string FindSystemProgram(std::string_view fileName);

// The ANSI code page through which the system's A calls convert text.
std::uint32_t AnsiCodePage();

}  // namespace halvex::platform::win32
