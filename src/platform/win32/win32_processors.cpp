#include "platform/win32/win32_processors.h"

#include <windows.h>

namespace halvex::platform::win32 {

ProcessorFacts QueryProcessors() {
  SYSTEM_INFO info{};
  GetSystemInfo(&info);
  return {.count = info.dwNumberOfProcessors, .type = info.dwProcessorType};
}

}  // namespace halvex::platform::win32
