#include "model/key_naming.h"

namespace halvex::model {
namespace {

struct RootName {
  RootKey root;
  std::string_view name;
};

constexpr RootName kRootNames[] = {
    {RootKey::ClassesRoot, "HKEY_CLASSES_ROOT"},   {RootKey::CurrentUser, "HKEY_CURRENT_USER"},
    {RootKey::LocalMachine, "HKEY_LOCAL_MACHINE"}, {RootKey::Users, "HKEY_USERS"},
    {RootKey::CurrentConfig, "HKEY_CURRENT_CONFIG"},
};

}  // namespace

std::string RootKeyName(RootKey root) {
  for (const RootName& entry : kRootNames) {
    if (entry.root == root) return std::string(entry.name);
  }
  return {};
}

RootKey RootKeyFromName(std::string_view name) {
  for (const RootName& entry : kRootNames) {
    if (entry.name == name) return entry.root;
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
