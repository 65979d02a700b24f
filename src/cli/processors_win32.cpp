#include "cli/processors.h"
#include "platform/win32/win32_processors.h"

namespace halvex::cli {

platform::ProcessorFacts ThisComputersProcessors() {
  return platform::win32::QueryProcessors();
}

}  // namespace halvex::cli
