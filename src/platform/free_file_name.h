#pragma once
// The name a file takes when it moves into a folder that already holds its name: the shell's
// "rename on collision" rule, written once so that every binding keeps both files alike.
#include <functional>
#include <string>
#include <string_view>

namespace halvex::platform {

// `folder` + "\" + `name` when nothing of that name is there, else the first free of
// "stem (2).ext", "stem (3).ext", ...; `taken` answers whether a path is in use.
std::string FreePathIn(std::string_view folder, std::string_view name,
                       const std::function<bool(const std::string&)>& taken);

}  // namespace halvex::platform
