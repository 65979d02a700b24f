#pragma once
// On systems with user account control the program restarts itself once with administrator
// rights. Two registry marks of the current user steer it: "vista" under "Software\Hal Vex"
// is "1" while a restart is under way, and "setup" under "SOFTWARE\Halvex" = "1" skips the
// restart once.
#include <string_view>

#include "platform/process_starter.h"
#include "platform/registry.h"
#include "platform/system_info.h"

namespace halvex::app {

enum class ElevationOutcome {
  NotNeeded,          // older system, the "setup" mark, or no user account control: go on
  RestartedElevated,  // an elevated copy was started: end this one
  ElevatedCopy,       // this is the restarted copy: go on
  RestartRefused,     // the elevated start failed or was refused: go on without it
};

// The elevation step of start-up. The elevated copy gets this copy's start argument, so a
// scheduled "-Scan" still scans.
[[nodiscard]] ElevationOutcome RunElevationStep(platform::Registry& registry,
                                                platform::SystemInfo& system,
                                                platform::ProcessStarter& processes,
                                                std::string_view startArgument);

// The start argument as a command line the started program parses back into the same one
// argument.
std::string QuoteArgument(std::string_view argument);

}  // namespace halvex::app
