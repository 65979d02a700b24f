#pragma once
// The service control manager of a substitute machine. A service exists when its key exists
// under HKEY_LOCAL_MACHINE "SYSTEM\CurrentControlSet\Services", and its start type is that
// key's "Start" value, as on the system; so a machine folder's registry brings its services,
// and a start type set here is saved with the registry. Whether a service runs is kept here:
// at first every automatic service runs. Every call is recorded; a test can make any call
// refuse with an error number of its choice.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"
#include "platform/service_manager.h"

namespace halvex::platform::substitute {

enum class ServiceOperation { SetStartType, Start, Stop };

struct ServiceCall {
  ServiceOperation operation = ServiceOperation::Start;
  std::string service;
  std::optional<ServiceStartType> startType;  // SetStartType's
  friend bool operator==(const ServiceCall&, const ServiceCall&) = default;
};

class SubstituteServiceManager final : public ServiceManager {
 public:
  explicit SubstituteServiceManager(Registry& registry) : registry_(registry) {}

  ServiceCallResult SetStartType(std::string_view service, ServiceStartType startType) override;
  ServiceCallResult Start(std::string_view service) override;
  ServiceCallResult Stop(std::string_view service) override;

  // Makes every later `operation` on `service` fail with the system error `error`.
  void Refuse(ServiceOperation operation, std::string_view service, std::uint32_t error);
  // Whether the service runs now; false for one that does not exist.
  bool IsRunning(std::string_view service);
  const std::vector<ServiceCall>& calls() const { return calls_; }

 private:
  bool Exists(std::string_view service);
  std::optional<ServiceStartType> StartTypeOf(std::string_view service);
  std::optional<std::uint32_t> RefusalOf(ServiceOperation operation,
                                         std::string_view service) const;

  Registry& registry_;
  std::vector<ServiceCall> calls_;
  std::map<std::pair<ServiceOperation, std::string>, std::uint32_t> refusals_;
  // Services started or stopped through this manager; the rest run when automatic.
  std::map<std::string, bool> running_;
};

}  // namespace halvex::platform::substitute
