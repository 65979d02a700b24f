#pragma once
// The backup files of a folder as the backup lists show them, and their removal. The repair
// backups ("RepairBackup\") and the full registry backups ("FullBackup\") are listed alike.
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace halvex::backup {

struct BackupFileRow {
  std::string time;  // the creation time in local time, in the system's date and time format
  std::string path;  // the file's full path
  platform::FileTime creationTime = 0;

  friend bool operator==(const BackupFileRow&, const BackupFileRow&) = default;
};

// Every "*.reg" file directly in the folder (ending in "\"), newest first: by creation time,
// and by name among files of the same time, so that the order does not depend on the file
// system. Empty when the folder does not exist.
std::vector<BackupFileRow> ListBackupFiles(platform::Platform& platform, std::string_view folder);

// The repair backups, newest first.
std::vector<BackupFileRow> ListRepairBackups(platform::Platform& platform);

enum class RemoveOutcome {
  Removed,
  Failed,   // the file is still there
  Missing,  // there was no such file: nothing happens, and the row stays
};

[[nodiscard]] RemoveOutcome RemoveBackupFile(platform::FileSystem& files, std::string_view path);

}  // namespace halvex::backup
