#pragma once
// The service control manager as the service optimizer needs it: a service's start type, and
// starting and stopping it. Every call opens the local manager with all access and the service
// with all access, does its one thing and closes both handles again.
#include <cstdint>
#include <optional>
#include <string_view>

namespace halvex::platform {

// Start types, numbered as the system numbers them (the service key's "Start" value).
enum class ServiceStartType : std::uint32_t {
  Automatic = 2,
  Manual = 3,
  Disabled = 4,
};

// The system's error number of a service call; 0 when it succeeded.
struct ServiceCallResult {
  std::uint32_t error = 0;
  bool ok() const { return error == 0; }
};

// The system's error numbers the logic tells apart.
namespace service_error {
inline constexpr std::uint32_t kAccessDenied = 5;
inline constexpr std::uint32_t kAlreadyRunning = 1056;
inline constexpr std::uint32_t kDoesNotExist = 1060;
inline constexpr std::uint32_t kNotActive = 1062;
}  // namespace service_error

class ServiceManager {
 public:
  virtual ~ServiceManager() = default;
  // Changes only the start type (ChangeServiceConfigA), which the running manager honours at
  // once; a write of the registry's "Start" value waits for the next boot.
  [[nodiscard]] virtual ServiceCallResult SetStartType(std::string_view service,
                                                       ServiceStartType startType) = 0;
  // Asks the service to start (StartServiceA without arguments); does not wait for it.
  [[nodiscard]] virtual ServiceCallResult Start(std::string_view service) = 0;
  // Sends the stop control (ControlService with SERVICE_CONTROL_STOP); does not wait either.
  [[nodiscard]] virtual ServiceCallResult Stop(std::string_view service) = 0;
};

}  // namespace halvex::platform
