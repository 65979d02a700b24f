#pragma once
// The walk the recursive scanners share: open a key read-only, and hand each subkey's path,
// by enumeration index from 0 upward, to the caller, who decides whether to go deeper.
#include <functional>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace halvex::model {

enum class WalkStep { Continue, Stop };

// The child path is `path`, a backslash and the subkey's name, or the name alone when `path`
// is empty. A key that does not open is walked as having no subkeys. Returns Stop when the
// caller stopped the walk.
WalkStep WalkSubkeys(platform::Registry& registry, platform::RootKey root, std::string_view path,
                     const std::function<WalkStep(const std::string& childPath)>& visit);

}  // namespace halvex::model
