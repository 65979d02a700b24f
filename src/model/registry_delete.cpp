#include "model/registry_delete.h"

#include "model/key_naming.h"
#include "model/registry_object.h"

namespace halvex::model {

bool DeleteValueByPath(platform::Registry& registry, std::string_view fullKeyPath,
                       std::string_view valueName) {
  const SplitKeyPath split = SplitFullKeyPath(fullKeyPath);
  if (split.root == RootKey::None) return false;
  RegistryObject key(registry);
  key.SetRootKey(split.root);
  if (!key.OpenKey(split.absolutePath.empty() ? "\\" : split.absolutePath, /*create=*/false)) {
    return false;
  }
  return key.DeleteValue(PlatformValueName(valueName));
}

bool DeleteKeyByPath(platform::Registry& registry, RootKey root, std::string_view absolutePath) {
  if (absolutePath.find_first_not_of('\\') == std::string_view::npos) return false;
  RegistryObject key(registry);
  key.SetRootKey(root);
  return key.DeleteKey(absolutePath);
}

bool DeleteKeyByFullPath(platform::Registry& registry, std::string_view fullKeyPath) {
  const SplitKeyPath split = SplitFullKeyPath(fullKeyPath);
  return split.root != RootKey::None && DeleteKeyByPath(registry, split.root, split.absolutePath);
}

}  // namespace halvex::model
