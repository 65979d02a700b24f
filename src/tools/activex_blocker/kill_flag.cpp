#include "tools/activex_blocker/kill_flag.h"

#include <array>

namespace halvex::tools::activex {
namespace {

using platform::KeyAccess;
using platform::KeyHandle;
using platform::RegStatus;
using platform::ScopedKey;

const KeyHandle kMachine = platform::RootHandle(platform::RootKey::LocalMachine);

ScopedKey OpenCompatibilityKey(platform::Registry& registry, std::string_view classId,
                               KeyAccess access) {
  KeyHandle key;
  if (registry.OpenKey(kMachine, CompatibilityKeyOf(classId), access, key) != RegStatus::Ok) {
    return {};
  }
  return ScopedKey(registry, key);
}

}  // namespace

std::string CompatibilityKeyOf(std::string_view classId) {
  return std::string(kCompatibilityKey).append(classId);
}

bool IsKillFlagSet(platform::Registry& registry, std::string_view classId) {
  const ScopedKey key = OpenCompatibilityKey(registry, classId, KeyAccess::Read);
  if (!key) return false;
  platform::RegValue value;
  if (registry.QueryValue(key.get(), kCompatibilityFlags, 4, value) != RegStatus::Ok) return false;
  if (value.type != platform::reg_type::kDword || value.data.size() != 4) return false;
  const std::uint32_t flags = value.data[0] | value.data[1] << 8 | value.data[2] << 16 |
                              static_cast<std::uint32_t>(value.data[3]) << 24;
  return flags == kKillBit;
}

bool SetKillFlag(platform::Registry& registry, std::string_view classId) {
  KeyHandle opened;
  if (registry.CreateKey(kMachine, CompatibilityKeyOf(classId), opened) != RegStatus::Ok) {
    return false;
  }
  const ScopedKey key(registry, opened);
  constexpr std::array<std::uint8_t, 4> kData{kKillBit & 0xFF, kKillBit >> 8 & 0xFF, 0, 0};
  return registry.SetValue(key.get(), kCompatibilityFlags, platform::reg_type::kDword, kData) ==
         RegStatus::Ok;
}

bool ClearKillFlag(platform::Registry& registry, std::string_view classId) {
  {
    const ScopedKey key = OpenCompatibilityKey(registry, classId, KeyAccess::ReadWrite);
    if (!key) return !IsKillFlagSet(registry, classId);
    const RegStatus deleted = registry.DeleteValue(key.get(), kCompatibilityFlags);
    if (deleted != RegStatus::Ok && deleted != RegStatus::NotFound) return false;
    platform::KeyInfo info;
    if (registry.QueryInfo(key.get(), info) != RegStatus::Ok || info.subkeyCount != 0 ||
        info.valueCount != 0) {
      return true;
    }
  }
  // An empty key is the program's own leftover; a refused delete leaves no flag behind.
  (void)registry.DeleteKey(kMachine, CompatibilityKeyOf(classId));
  return true;
}

}  // namespace halvex::tools::activex
