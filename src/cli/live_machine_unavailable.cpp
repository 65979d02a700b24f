// Builds without the Windows API have no live registry to scan.
#include "cli/machine_access.h"

namespace halvex::cli {

std::variant<std::unique_ptr<Machine>, std::string> OpenLiveMachine() {
  return std::string(
      "the live system works on Windows only; give a machine folder with --machine DIR");
}

}  // namespace halvex::cli
