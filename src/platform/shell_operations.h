#pragma once
// What the clean-up tools ask of the shell: moving files to the Recycle Bin or into one folder,
// a drive's display name, and the folder picker. Deleting a file for good is the file system's.
#include <optional>
#include <string>
#include <string_view>

namespace halvex::platform {

// The folders of the user's profile that no clean-up may remove, each without a trailing
// backslash: the folder that holds every profile, the user's own, its Desktop and documents.
struct UserFolders {
  std::string profiles = "C:\\Documents and Settings";
  std::string profile = "C:\\Documents and Settings\\User";
  std::string desktop = "C:\\Documents and Settings\\User\\Desktop";
  std::string documents = "C:\\Documents and Settings\\User\\My Documents";
};

class ShellOperations {
 public:
  virtual ~ShellOperations() = default;

  // Moves one file to the Recycle Bin, silently (FO_DELETE with FOF_ALLOWUNDO,
  // FOF_NOCONFIRMATION and FOF_NOERRORUI: 0x0450). False when the shell refused.
  [[nodiscard]] virtual bool Recycle(std::string_view path) = 0;
  // Moves one file into `folder`, silently. A file of that name in the folder stays: the moved
  // one takes a free name ("readme (2).txt"), so no move ever overwrites a file. False when
  // the shell refused.
  [[nodiscard]] virtual bool MoveInto(std::string_view path, std::string_view folder) = 0;
  // The name the shell shows for a drive root such as "C:\" ("Local Disk (C:)"); nullopt when
  // the shell knows none. Its icon is the file icon of the root.
  virtual std::optional<std::string> DriveDisplayName(std::string_view root) = 0;
  // The folder picker: the shell's folder browser limited to file-system folders, with `title`
  // and `preselect` chosen when it is an existing folder; the chosen folder, or nullopt when
  // the user cancelled.
  virtual std::optional<std::string> BrowseForFolder(std::string_view title,
                                                     std::string_view preselect) = 0;
  // The shell's folders of the user's profile (SHGetFolderPathA).
  virtual UserFolders UserFolderPaths() = 0;
};

}  // namespace halvex::platform
