#pragma once
// Carrying the service boxes to the services, saving each service's start type before a run,
// and setting them back.
#include <string_view>

#include "platform/registry.h"
#include "platform/service_manager.h"
#include "tools/system_speed/profile_file.h"
#include "tools/system_speed/service_table.h"
#include "tools/system_speed/tweaks.h"

namespace halvex::tools::system_speed {

// The section of the speed backup file that holds each service's start type before the run,
// one key per service.
inline constexpr std::string_view kServiceSection = "Service Start Types";

struct ServiceAccess {
  platform::Registry& registry;
  platform::ServiceManager& services;
};

// Sets the start type through the service manager, which honours it at once; when the manager
// refuses, writes the service key's "Start" value, which counts from the next boot. A service
// without a key is left alone.
void SetServiceStartType(ServiceAccess access, std::string_view service,
                         platform::ServiceStartType startType, StepFailures& failures);
// Automatic, then started; disabled, then stopped.
void EnableService(ServiceAccess access, std::string_view service, StepFailures& failures);
void DisableService(ServiceAccess access, std::string_view service, StepFailures& failures);

// Writes the start type of every service the boxes drive into the file's service section.
void SaveServiceStartTypes(platform::Registry& registry, ProfileFile& file, StepFailures& failures);
// Boxes 1 to 22 in order; as boxes 2 and 5 drive one service, box 5's state is the one that
// remains.
void ApplyServiceSettings(ServiceAccess access, const ServiceBoxes& boxes, StepFailures& failures);
// Sets every service of the file's service section back to its start type, starting the
// automatic and stopping the disabled ones. A file without the section gets model 0 (every
// service automatic and started), as older files always did.
void RestoreServices(ServiceAccess access, ProfileFile& file, StepFailures& failures);

}  // namespace halvex::tools::system_speed
