#pragma once
// Runs a program through CreateProcessA with a hidden window, waiting for it in a loop that
// lets the caller handle its window messages.
#include "platform/process_runner.h"

namespace halvex::platform::win32 {

class Win32ProcessRunner final : public ProcessRunner {
 public:
  ProcessExit RunHidden(std::string_view commandLine, const std::function<void()>& pump) override;
};

}  // namespace halvex::platform::win32
