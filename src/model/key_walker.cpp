#include "model/key_walker.h"

namespace halvex::model {

using platform::RegStatus;

WalkStep WalkSubkeys(platform::Registry& registry, platform::RootKey root, std::string_view path,
                     const std::function<WalkStep(const std::string& childPath)>& visit) {
  platform::KeyHandle key;
  if (registry.OpenKey(platform::RootHandle(root), path, platform::KeyAccess::Read, key) !=
      RegStatus::Ok) {
    return WalkStep::Continue;
  }
  const platform::ScopedKey scoped(registry, key);
  platform::KeyInfo info;
  if (registry.QueryInfo(key, info) != RegStatus::Ok) return WalkStep::Continue;
  const std::string prefix = path.empty() ? std::string() : std::string(path) + '\\';
  std::string name;
  for (std::uint32_t index = 0; index < info.subkeyCount; ++index) {
    if (registry.EnumKey(key, index, name) != RegStatus::Ok) continue;
    if (visit(prefix + name) == WalkStep::Stop) return WalkStep::Stop;
  }
  return WalkStep::Continue;
}

}  // namespace halvex::model
