// Builds without the Windows API count the host's processors; the type is the number Windows
// gives an x86-64 processor (PROCESSOR_AMD_X8664).
#include <thread>

#include "cli/processors.h"

namespace halvex::cli {

platform::ProcessorFacts ThisComputersProcessors() {
  return {.count = std::thread::hardware_concurrency(), .type = 8664};
}

}  // namespace halvex::cli
