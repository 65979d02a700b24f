#pragma once
// The only two ways in which the registry repairs change the registry.
#include <string_view>

#include "platform/registry.h"

namespace halvex::model {

// Deletes the value `valueName` ("default" for the unnamed value) of the key named by the full
// key path. Never creates the key: false when it is gone or the platform refuses the delete.
[[nodiscard]] bool DeleteValueByPath(platform::Registry& registry, std::string_view fullKeyPath,
                                     std::string_view valueName);

// Deletes the key at `absolutePath` (beginning with a backslash) below `root`, with all its
// subkeys and values. Refuses the empty path and a bare backslash, which would name the root.
[[nodiscard]] bool DeleteKeyByPath(platform::Registry& registry, platform::RootKey root,
                                   std::string_view absolutePath);

// The same for a full key path: HKEY_CLASSES_ROOT\.abc deletes .abc with everything below it.
[[nodiscard]] bool DeleteKeyByFullPath(platform::Registry& registry, std::string_view fullKeyPath);

}  // namespace halvex::model
