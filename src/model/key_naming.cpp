#include "model/key_naming.h"

namespace halvex::model {

std::string RootKeyName(RootKey root) { return std::string(platform::RootName(root)); }

RootKey RootKeyFromName(std::string_view name) {
  for (RootKey root : platform::kNamedRoots) {
    if (platform::RootName(root) == name) return root;
  }
  return RootKey::None;
}

SplitKeyPath SplitFullKeyPath(std::string_view fullKeyPath) {
  const std::size_t slash = fullKeyPath.find('\\');
  SplitKeyPath split;
  split.root = RootKeyFromName(fullKeyPath.substr(0, slash));
  if (slash != std::string_view::npos) split.absolutePath = std::string(fullKeyPath.substr(slash));
  return split;
}

std::string_view PlatformValueName(std::string_view valueName) {
  return valueName == kDefaultValueName ? std::string_view() : valueName;
}

}  // namespace halvex::model
