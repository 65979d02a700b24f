#include "tools/system_speed/service_settings.h"

#include <set>
#include <string>

#include "tools/system_speed/registry_values.h"

namespace halvex::tools::system_speed {
namespace {

using platform::ServiceCallResult;
using platform::ServiceStartType;
namespace service_error = platform::service_error;

constexpr std::string_view kServicesKey = "SYSTEM\\CurrentControlSet\\Services\\";

std::string ServiceKey(std::string_view service) {
  return std::string(kServicesKey) + std::string(service);
}

// A call the system refused, unless the service is missing (then there is nothing to change)
// or already where the call would take it.
void Judge(ServiceCallResult result, std::string_view what, std::string_view service,
           std::uint32_t alreadyThere, StepFailures& failures) {
  if (result.ok() || result.error == service_error::kDoesNotExist || result.error == alreadyThere) {
    return;
  }
  failures.Add("cannot " + std::string(what) + " the service " + std::string(service) + " (error " +
               std::to_string(result.error) + ")");
}

}  // namespace

void SetServiceStartType(ServiceAccess access, std::string_view service, ServiceStartType startType,
                         StepFailures& failures) {
  const ServiceCallResult result = access.services.SetStartType(service, startType);
  if (result.ok() || result.error == service_error::kDoesNotExist) return;
  platform::ScopedKey key =
      OpenForWriting(access.registry, RootKey::LocalMachine, ServiceKey(service), KeyUse::Existing);
  if (key &&
      WriteInteger(access.registry, key.get(), "Start", static_cast<std::uint32_t>(startType))) {
    return;
  }
  failures.Add("cannot set the start type of the service " + std::string(service) + " (error " +
               std::to_string(result.error) + ")");
}

void EnableService(ServiceAccess access, std::string_view service, StepFailures& failures) {
  SetServiceStartType(access, service, ServiceStartType::Automatic, failures);
  Judge(access.services.Start(service), "start", service, service_error::kAlreadyRunning, failures);
}

void DisableService(ServiceAccess access, std::string_view service, StepFailures& failures) {
  SetServiceStartType(access, service, ServiceStartType::Disabled, failures);
  Judge(access.services.Stop(service), "stop", service, service_error::kNotActive, failures);
}

void SaveServiceStartTypes(platform::Registry& registry, ProfileFile& file,
                           StepFailures& failures) {
  std::set<std::string_view> saved;
  for (const ServiceBox& box : ServiceTable()) {
    if (!saved.insert(box.service).second) continue;
    const auto value = ReadValue(registry, RootKey::LocalMachine, ServiceKey(box.service), "Start");
    const std::optional<std::uint32_t> startType = value ? IntegerOf(*value) : std::nullopt;
    if (!startType) continue;
    if (!file.Write(kServiceSection, box.service, std::to_string(*startType))) {
      failures.Add("cannot write [" + std::string(kServiceSection) + "] " +
                   std::string(box.service) + " into " + file.path());
    }
  }
}

void ApplyServiceSettings(ServiceAccess access, const ServiceBoxes& boxes, StepFailures& failures) {
  for (const ServiceBox& box : ServiceTable()) {
    if (boxes[static_cast<std::size_t>(box.box - 1)]) {
      EnableService(access, box.service, failures);
    } else {
      DisableService(access, box.service, failures);
    }
  }
}

void RestoreServices(ServiceAccess access, ProfileFile& file, StepFailures& failures) {
  const std::vector<std::string> services = file.SectionKeys(kServiceSection);
  if (services.empty()) {
    ServiceBoxes boxes{};
    PresetServices(0, boxes);
    ApplyServiceSettings(access, boxes, failures);
    return;
  }
  for (const std::string& service : services) {
    const std::int32_t number = DecimalOrZero(file.Read(kServiceSection, service).value_or(""));
    // Only the start types a run can have saved; anything else would be a boot driver's.
    if (number < 2 || number > 4) {
      failures.Add("unreadable start type of the service " + service + " in " + file.path());
      continue;
    }
    const auto startType = static_cast<ServiceStartType>(number);
    if (startType == ServiceStartType::Automatic) {
      EnableService(access, service, failures);
    } else if (startType == ServiceStartType::Disabled) {
      DisableService(access, service, failures);
    } else {
      SetServiceStartType(access, service, startType, failures);
    }
  }
}

}  // namespace halvex::tools::system_speed
