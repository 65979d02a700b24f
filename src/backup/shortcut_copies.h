#pragma once
// The repair's copies of the shortcut files it deletes. A registry export cannot hold a file, so
// beside each repair backup "_yyyymmdd_hhnnss.reg" lies a folder "_yyyymmdd_hhnnss\" holding a
// copy of every shortcut that repair deletes, below the shortcut's drive letter and path:
// "C:\Users\a.lnk" is kept as "_yyyymmdd_hhnnss\C\Users\a.lnk".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace halvex::backup {

// The backup file's path without ".reg", followed by "\".
std::string ShortcutCopiesFolder(std::string_view backupPath);

// Where the copy of `shortcut` lies in `copiesFolder` (ending in "\"); nullopt for a path that
// does not begin with a drive letter, which has no place there.
std::optional<std::string> ShortcutCopyPath(std::string_view copiesFolder,
                                            std::string_view shortcut);

// Copies the shortcut into the folder, making the folders on the way, and reads the copy back:
// true only when the copy holds the shortcut's bytes. A copy that differs is deleted again.
[[nodiscard]] bool CopyShortcut(platform::FileSystem& files, std::string_view copiesFolder,
                                std::string_view shortcut);

struct ShortcutRestore {
  std::vector<std::string> restored;     // copied back to where they were
  std::vector<std::string> leftInPlace;  // a file of that name exists now: it is left alone
  std::vector<std::string> failed;       // could not be copied back
};

// Copies every shortcut kept beside the backup file back to its drive and path, making the
// folders on the way; nothing when the backup has no copies.
ShortcutRestore RestoreShortcutCopies(platform::FileSystem& files, std::string_view backupPath);

}  // namespace halvex::backup
