#pragma once
// Windows path texts taken apart the way the system's ANSI file calls take them: either slash
// separates, repeated separators count once, "." and ".." are resolved by their text and never
// climb above the drive root, and the last name loses its trailing dots and blanks.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvex::platform::substitute {

// The system's ANSI file calls refuse paths of this many characters and more (MAX_PATH).
inline constexpr std::size_t kMaxPathLength = 260;

struct WindowsPath {
  char drive = 0;                  // the drive letter, upper case
  std::vector<std::string> names;  // the names below the drive root, in the case given
  bool endsWithSeparator = false;  // "C:\dir\": the path can only name a folder

  // The drive root, then the names: "C:\dir\a.txt"; "C:\" for the root itself.
  std::string Text() const;
};

// nullopt for a text that names no place on a drive: relative and UNC paths, a name with a
// character the system forbids (control characters and <>:"|?*), a path of kMaxPathLength
// characters or more. "C:name" is taken relative to the drive's root, because the substitute
// keeps no current folder.
std::optional<WindowsPath> ParseWindowsPath(std::string_view text);

// The drive letter of a root such as "C:\", "C:/" or "C:"; nullopt for any other text.
std::optional<char> ParseDriveRoot(std::string_view root);

}  // namespace halvex::platform::substitute
