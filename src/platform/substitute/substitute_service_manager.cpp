#include "platform/substitute/substitute_service_manager.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

namespace halvex::platform::substitute {
namespace {

constexpr std::string_view kServicesKey = "SYSTEM\\CurrentControlSet\\Services\\";
// The system's answer to starting a disabled service.
constexpr std::uint32_t kServiceDisabled = 1058;

// Service names compare without regard to case, as the manager compares them.
std::string NameKey(std::string_view service) {
  std::string key(service);
  std::transform(key.begin(), key.end(), key.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return key;
}

ScopedKey OpenServiceKey(Registry& registry, std::string_view service, KeyAccess access) {
  KeyHandle opened;
  const std::string path = std::string(kServicesKey) + std::string(service);
  if (service.empty() ||
      registry.OpenKey(RootHandle(RootKey::LocalMachine), path, access, opened) != RegStatus::Ok) {
    return {};
  }
  return ScopedKey(registry, opened);
}

}  // namespace

bool SubstituteServiceManager::Exists(std::string_view service) {
  return static_cast<bool>(OpenServiceKey(registry_, service, KeyAccess::Read));
}

std::optional<ServiceStartType> SubstituteServiceManager::StartTypeOf(std::string_view service) {
  ScopedKey key = OpenServiceKey(registry_, service, KeyAccess::Read);
  RegValue value;
  if (!key || registry_.QueryValue(key.get(), "Start", 4, value) != RegStatus::Ok ||
      value.type != reg_type::kDword || value.data.size() != 4) {
    return std::nullopt;
  }
  std::uint32_t number = 0;
  std::memcpy(&number, value.data.data(), 4);
  return static_cast<ServiceStartType>(number);
}

std::optional<std::uint32_t> SubstituteServiceManager::RefusalOf(ServiceOperation operation,
                                                                 std::string_view service) const {
  const auto found = refusals_.find({operation, NameKey(service)});
  if (found == refusals_.end()) return std::nullopt;
  return found->second;
}

void SubstituteServiceManager::Refuse(ServiceOperation operation, std::string_view service,
                                      std::uint32_t error) {
  refusals_[{operation, NameKey(service)}] = error;
}

bool SubstituteServiceManager::IsRunning(std::string_view service) {
  if (!Exists(service)) return false;
  const auto found = running_.find(NameKey(service));
  if (found != running_.end()) return found->second;
  return StartTypeOf(service) == ServiceStartType::Automatic;
}

ServiceCallResult SubstituteServiceManager::SetStartType(std::string_view service,
                                                         ServiceStartType startType) {
  calls_.push_back({ServiceOperation::SetStartType, std::string(service), startType});
  if (const auto refusal = RefusalOf(ServiceOperation::SetStartType, service)) return {*refusal};
  ScopedKey key = OpenServiceKey(registry_, service, KeyAccess::ReadWrite);
  if (!key) return {service_error::kDoesNotExist};
  const auto number = static_cast<std::uint32_t>(startType);
  std::array<std::uint8_t, 4> data{};
  std::memcpy(data.data(), &number, 4);
  if (registry_.SetValue(key.get(), "Start", reg_type::kDword, data) != RegStatus::Ok) {
    return {service_error::kAccessDenied};
  }
  return {};
}

ServiceCallResult SubstituteServiceManager::Start(std::string_view service) {
  calls_.push_back({ServiceOperation::Start, std::string(service), std::nullopt});
  if (const auto refusal = RefusalOf(ServiceOperation::Start, service)) return {*refusal};
  if (!Exists(service)) return {service_error::kDoesNotExist};
  if (StartTypeOf(service) == ServiceStartType::Disabled) return {kServiceDisabled};
  if (IsRunning(service)) return {service_error::kAlreadyRunning};
  running_[NameKey(service)] = true;
  return {};
}

ServiceCallResult SubstituteServiceManager::Stop(std::string_view service) {
  calls_.push_back({ServiceOperation::Stop, std::string(service), std::nullopt});
  if (const auto refusal = RefusalOf(ServiceOperation::Stop, service)) return {*refusal};
  if (!Exists(service)) return {service_error::kDoesNotExist};
  if (!IsRunning(service)) return {service_error::kNotActive};
  running_[NameKey(service)] = false;
  return {};
}

}  // namespace halvex::platform::substitute
