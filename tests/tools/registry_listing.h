#pragma once
// Every key and value of a registry as sorted lines ("HKEY_...\Key",
// "HKEY_...\Key|name|4|01000000"), so two states compare without regard to the order in which
// values were made.
#include <set>
#include <string>

#include "platform/registry.h"

namespace halvex::testing {

inline void ListRegistryKey(platform::Registry& registry, platform::KeyHandle key,
                            const std::string& name, std::set<std::string>& lines) {
  lines.insert(name);
  std::string child;
  for (std::uint32_t i = 0; registry.EnumValue(key, i, child) == platform::RegStatus::Ok; ++i) {
    platform::RegValue value;
    if (platform::ReadWholeValue(registry, key, child, value) != platform::RegStatus::Ok) continue;
    std::string line = name + "|" + child + "|" + std::to_string(value.type) + "|";
    static constexpr char kHex[] = "0123456789abcdef";
    for (const std::uint8_t byte : value.data) {
      line += kHex[byte >> 4];
      line += kHex[byte & 0xF];
    }
    lines.insert(line);
  }
  for (std::uint32_t i = 0; registry.EnumKey(key, i, child) == platform::RegStatus::Ok; ++i) {
    platform::KeyHandle opened;
    if (registry.OpenKey(key, child, platform::KeyAccess::Read, opened) !=
        platform::RegStatus::Ok) {
      continue;
    }
    ListRegistryKey(registry, opened, name + "\\" + child, lines);
    registry.CloseKey(opened);
  }
}

inline std::set<std::string> ListRegistry(platform::Registry& registry) {
  std::set<std::string> lines;
  for (const platform::RootKey root : platform::kNamedRoots) {
    ListRegistryKey(registry, platform::RootHandle(root), std::string(platform::RootName(root)),
                    lines);
  }
  return lines;
}

}  // namespace halvex::testing
