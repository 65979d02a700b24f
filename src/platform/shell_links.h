#pragma once
// Shortcut (.lnk) files: the path a shortcut points at.
#include <string>
#include <string_view>

namespace halvex::platform {

class ShellLinks {
 public:
  virtual ~ShellLinks() = default;
  // The target path of the shortcut file, as the shell's GetPath gives it with UNC priority;
  // empty when it cannot be loaded or holds no path, and for a shortcut path of 260 characters
  // or more (the shell takes at most 259).
  virtual std::string ShortcutTarget(std::string_view shortcutPath) = 0;
};

}  // namespace halvex::platform
