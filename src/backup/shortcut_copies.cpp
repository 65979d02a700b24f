#include "backup/shortcut_copies.h"

#include <cctype>

namespace halvex::backup {
namespace {

bool IsDrivePath(std::string_view path) {
  return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) != 0 &&
         path[1] == ':' && path[2] == '\\';
}

// Makes every missing folder of `path` up to its last "\", as the system makes one at a time.
bool MakeFoldersOf(platform::FileSystem& files, std::string_view path) {
  for (std::size_t end = path.find('\\'); end != std::string_view::npos;
       end = path.find('\\', end + 1)) {
    const std::string folder(path.substr(0, end));
    if (folder.empty() || folder.ends_with(':') || files.FolderExists(folder)) continue;
    if (!files.CreateFolder(folder)) return false;
  }
  return true;
}

// Walks one folder of the copies; `original` is the folder where its files were.
void RestoreFolder(platform::FileSystem& files, const std::string& folder,
                   const std::string& original, ShortcutRestore& restore) {
  const auto entries = files.ListFolder(folder);
  if (!entries) return;
  for (const platform::FileEntry& entry : *entries) {
    if (entry.name == "." || entry.name == "..") continue;
    const std::string copy = folder + "\\" + entry.name;
    const std::string shortcut = original + "\\" + entry.name;
    if ((entry.attributes & platform::file_attribute::kDirectory) != 0) {
      RestoreFolder(files, copy, shortcut, restore);
    } else if (files.FileExists(shortcut) || files.FolderExists(shortcut)) {
      restore.leftInPlace.push_back(shortcut);
    } else if (MakeFoldersOf(files, shortcut) &&
               files.CopyFile(copy, shortcut, /*failIfExists=*/true)) {
      restore.restored.push_back(shortcut);
    } else {
      restore.failed.push_back(shortcut);
    }
  }
}

}  // namespace

ShortcutRestore RestoreShortcutCopies(platform::FileSystem& files, std::string_view backupPath) {
  ShortcutRestore restore;
  const std::string copies = ShortcutCopiesFolder(backupPath);
  const auto drives = files.ListFolder(copies.substr(0, copies.size() - 1));
  if (!drives) return restore;
  for (const platform::FileEntry& drive : *drives) {
    // Only the drive letters' folders hold copies.
    if (drive.name.size() != 1 || std::isalpha(static_cast<unsigned char>(drive.name[0])) == 0 ||
        (drive.attributes & platform::file_attribute::kDirectory) == 0) {
      continue;
    }
    RestoreFolder(files, copies + drive.name, drive.name + ":", restore);
  }
  return restore;
}

std::string ShortcutCopiesFolder(std::string_view backupPath) {
  std::string_view stem = backupPath;
  if (stem.ends_with(".reg")) stem.remove_suffix(4);
  return std::string(stem) + "\\";
}

std::optional<std::string> ShortcutCopyPath(std::string_view copiesFolder,
                                            std::string_view shortcut) {
  if (!IsDrivePath(shortcut)) return std::nullopt;
  return std::string(copiesFolder) + shortcut[0] + std::string(shortcut.substr(2));
}

bool CopyShortcut(platform::FileSystem& files, std::string_view copiesFolder,
                  std::string_view shortcut) {
  const std::optional<std::string> copy = ShortcutCopyPath(copiesFolder, shortcut);
  if (!copy || !MakeFoldersOf(files, *copy)) return false;
  if (!files.CopyFile(shortcut, *copy, /*failIfExists=*/true)) return false;
  const std::optional<std::string> original = files.ReadFile(shortcut);
  if (original && files.ReadFile(*copy) == original) return true;
  (void)files.DeleteFile(*copy);  // a copy that is not the shortcut must not pass for one
  return false;
}

}  // namespace halvex::backup
