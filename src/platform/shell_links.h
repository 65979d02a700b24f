#pragma once
// Shortcut (.lnk) files: the path a shortcut points at.
#include <string>
#include <string_view>

namespace halvex::platform {

class ShellLinks {
 public:
  virtual ~ShellLinks() = default;
  // The target path of the shortcut file; empty when it cannot be loaded or holds no path.
  virtual std::string ShortcutTarget(std::string_view shortcutPath) = 0;
};

}  // namespace halvex::platform
