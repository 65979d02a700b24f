#pragma once
// A registry subtree as sorted text, so that tests compare two registries (or a registry and
// the state a table expects) through the registry interface alone. One line per key, its path
// below the dumped key ("." for the key itself), and one line per value:
//   Sub\Deeper: 'name' = 1 'text\0'
// with the type number and the data bytes (@ names the default value). Printable ASCII stands
// as it is; every other byte, the quote and the backslash are written \0 or \xNN. Values are
// sorted by name, as Wine keeps them; the in-memory registry keeps them in creation order.
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace halvex::testing {

// The lines end with '\n'; a key that does not open gives "<cannot open ...>".
std::string DumpRegistry(platform::Registry& registry, platform::RootKey root,
                         std::string_view path);

}  // namespace halvex::testing
