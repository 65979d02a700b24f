#pragma once
// The target path inside a shortcut (.lnk) file, read from the shell link binary format:
// the 76-byte header, an optional target ID list (skipped), then the link information with
// the local base path and the common path suffix, or the network share of a link to one.
#include <string>
#include <string_view>

#include "platform/substitute/code_page.h"

namespace halvex::platform::substitute {

// The target as the shell's GetPath with "UNC priority" gives it: the share's name and the
// suffix for a link to a network share, the local base path and the suffix otherwise.
// Empty for bytes that are not a shortcut, a shortcut without link information, and for any
// size or offset that points outside the file (a truncated or forged file reads as no link).
std::string ShortcutTargetFromBytes(std::string_view bytes, const CodePage& codePage);

}  // namespace halvex::platform::substitute
