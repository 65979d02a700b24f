#include "platform/registry.h"

#include <algorithm>
#include <utility>

namespace halvex::platform {

std::string_view RootName(RootKey root) {
  switch (root) {
    case RootKey::ClassesRoot: return "HKEY_CLASSES_ROOT";
    case RootKey::CurrentUser: return "HKEY_CURRENT_USER";
    case RootKey::LocalMachine: return "HKEY_LOCAL_MACHINE";
    case RootKey::Users: return "HKEY_USERS";
    case RootKey::CurrentConfig: return "HKEY_CURRENT_CONFIG";
    case RootKey::None: break;
  }
  return {};
}

bool IsRootHandle(KeyHandle key) {
  return std::any_of(std::begin(kNamedRoots), std::end(kNamedRoots),
                     [key](RootKey root) { return RootHandle(root) == key; });
}

RegStatus ReadWholeValue(Registry& registry, KeyHandle key, std::string_view name, RegValue& value) {
  RegStatus status = registry.QueryValue(key, name, 0, value);
  // The value may grow between the two calls; ask again until the data fits.
  for (int attempt = 0; status == RegStatus::MoreData && attempt < 4; ++attempt) {
    status = registry.QueryValue(key, name, value.size, value);
  }
  return status;
}

ScopedKey& ScopedKey::operator=(ScopedKey&& other) noexcept {
  if (this != &other) {
    Reset();
    registry_ = other.registry_;
    key_ = other.Release();
  }
  return *this;
}

KeyHandle ScopedKey::Release() {
  registry_ = nullptr;
  return std::exchange(key_, KeyHandle{});
}

void ScopedKey::Reset() {
  if (registry_ != nullptr) registry_->CloseKey(key_);
  registry_ = nullptr;
  key_ = KeyHandle{};
}

}  // namespace halvex::platform
