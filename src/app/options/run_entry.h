#pragma once
// The start-with-Windows entry: the value named by the executable's file name under
// HKEY_LOCAL_MACHINE "\Software\Microsoft\Windows\CurrentVersion\Run", whose text starts the
// program. The text is the executable's full path, in quotes when the path has blanks, so that
// the system does not cut the command at the first blank.
#include <string>
#include <string_view>

#include "platform/locale.h"
#include "platform/registry.h"

namespace halvex::app {

inline constexpr std::string_view kRunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The text the entry is written with.
std::string RunEntryText(std::string_view executablePath);
// True when `text` starts this program: its path, quoted or not, without regard to case.
bool IsOwnRunEntry(platform::Locale& locale, std::string_view text,
                   std::string_view executablePath);

// Whether the program's own entry is there; the key is not created.
bool ReadRunAtStartup(platform::Registry& registry, platform::Locale& locale,
                      std::string_view executablePath);
// Writes this copy's entry, or removes the value under the program's name whatever path it
// names (an older install's entry is the program's too). False when the registry refused.
[[nodiscard]] bool WriteRunAtStartup(platform::Registry& registry, std::string_view executablePath,
                                     bool run);

}  // namespace halvex::app
