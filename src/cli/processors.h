#pragma once
// The processors of the computer halvex-cli runs on, for the report's default body.
#include "platform/smtp_client.h"

namespace halvex::cli {

platform::ProcessorFacts ThisComputersProcessors();

}  // namespace halvex::cli
