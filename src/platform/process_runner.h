#pragma once
// Running another program to its end: how the program has the system's registry editor import
// and export files ("Regedit /s FILE", "Regedit /E FILE"). The one UI thread keeps handling its
// messages while it waits, so the windows paint and a Cancel button still works.
#include <cstdint>
#include <functional>
#include <string_view>

namespace halvex::platform {

struct [[nodiscard]] ProcessExit {
  bool started = false;        // the program was found and started
  std::uint32_t exitCode = 0;  // its exit code, once it ended

  bool succeeded() const { return started && exitCode == 0; }
};

class ProcessRunner {
 public:
  virtual ~ProcessRunner() = default;
  // Starts the command line (the program, then its arguments, as the system parses a command
  // line) with a hidden window and waits until it ends. `pump` is called whenever messages
  // arrive meanwhile; an empty one just waits.
  virtual ProcessExit RunHidden(std::string_view commandLine,
                                const std::function<void()>& pump) = 0;
};

}  // namespace halvex::platform
