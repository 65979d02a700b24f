#include "platform/substitute/substitute_shell_links.h"

#include "platform/substitute/shell_link_format.h"

namespace halvex::platform::substitute {

std::string SubstituteShellLinks::ShortcutTarget(std::string_view shortcutPath) {
  const std::optional<std::string> bytes = files_.ReadFile(shortcutPath);
  if (!bytes) return {};
  return ShortcutTargetFromBytes(*bytes, codePage_);
}

}  // namespace halvex::platform::substitute
