#pragma once
// The machine a command works on: a machine folder, or the live system where there is one.
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "platform/platform.h"

namespace halvex::cli {

class Machine {
 public:
  virtual ~Machine() = default;
  virtual platform::Platform& platform() = 0;
};

// The machine folder when one is given, else the live system. The error is one line saying why
// the machine cannot be opened.
std::variant<std::unique_ptr<Machine>, std::string> OpenMachine(
    const std::optional<std::string>& machineFolder);

// The live system: available on Windows only.
std::variant<std::unique_ptr<Machine>, std::string> OpenLiveMachine();

}  // namespace halvex::cli
