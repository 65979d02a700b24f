#pragma once
// The machine's processors as GetSystemInfo reports them.
#include "platform/smtp_client.h"

namespace halvex::platform::win32 {

ProcessorFacts QueryProcessors();

}  // namespace halvex::platform::win32
