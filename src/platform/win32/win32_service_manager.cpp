#include "platform/win32/win32_service_manager.h"

#include <windows.h>

#include <string>

namespace halvex::platform::win32 {
namespace {

// Opens the local manager and the service with all access, runs `call` on the service and
// closes both; the first failure answers its error number.
template <typename Call>
ServiceCallResult OnService(std::string_view service, Call call) {
  SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
  if (manager == nullptr) return {static_cast<std::uint32_t>(GetLastError())};
  const std::string name(service);
  SC_HANDLE handle = OpenServiceA(manager, name.c_str(), SERVICE_ALL_ACCESS);
  if (handle == nullptr) {
    const DWORD error = GetLastError();
    CloseServiceHandle(manager);
    return {static_cast<std::uint32_t>(error)};
  }
  const DWORD error = call(handle) ? 0 : GetLastError();
  CloseServiceHandle(handle);
  CloseServiceHandle(manager);
  return {static_cast<std::uint32_t>(error)};
}

}  // namespace

ServiceCallResult Win32ServiceManager::SetStartType(std::string_view service,
                                                    ServiceStartType startType) {
  return OnService(service, [startType](SC_HANDLE handle) {
    return ChangeServiceConfigA(handle, SERVICE_NO_CHANGE, static_cast<DWORD>(startType),
                                SERVICE_NO_CHANGE, nullptr, nullptr, nullptr, nullptr, nullptr,
                                nullptr, nullptr) != FALSE;
  });
}

ServiceCallResult Win32ServiceManager::Start(std::string_view service) {
  return OnService(service,
                   [](SC_HANDLE handle) { return StartServiceA(handle, 0, nullptr) != FALSE; });
}

ServiceCallResult Win32ServiceManager::Stop(std::string_view service) {
  return OnService(service, [](SC_HANDLE handle) {
    SERVICE_STATUS status{};
    return ControlService(handle, SERVICE_CONTROL_STOP, &status) != FALSE;
  });
}

}  // namespace halvex::platform::win32
