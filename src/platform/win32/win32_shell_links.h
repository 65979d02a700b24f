#pragma once
// Shortcuts through the shell's link object (IShellLinkA and IPersistFile).
#include "platform/shell_links.h"

namespace halvex::platform::win32 {

class Win32ShellLinks final : public ShellLinks {
 public:
  // The path goes to the link object as at most 259 UTF-16 characters; a longer one names no
  // shortcut rather than a cut-off one.
  std::string ShortcutTarget(std::string_view shortcutPath) override;

  // Writes a shortcut to `target` through the same object; the tests use it to check the
  // substitute's reader against the shell's own files.
  [[nodiscard]] static bool SaveShortcut(std::string_view shortcutPath, std::string_view target);
};

}  // namespace halvex::platform::win32
