#pragma once
// The service control manager of the running system (the ANSI calls).
#include "platform/service_manager.h"

namespace halvex::platform::win32 {

class Win32ServiceManager final : public ServiceManager {
 public:
  ServiceCallResult SetStartType(std::string_view service, ServiceStartType startType) override;
  ServiceCallResult Start(std::string_view service) override;
  ServiceCallResult Stop(std::string_view service) override;
};

}  // namespace halvex::platform::win32
