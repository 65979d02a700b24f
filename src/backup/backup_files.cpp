#include "backup/backup_files.h"

#include <algorithm>

#include "backup/repair_backup.h"

namespace halvex::backup {
namespace {

// The system matches "*.reg" without regard to case.
bool IsRegFile(platform::Locale& locale, const platform::FileEntry& entry) {
  if ((entry.attributes & platform::file_attribute::kDirectory) != 0) return false;
  constexpr std::string_view kExtension = ".REG";
  const std::string upper = locale.Upper(entry.name);
  return upper.size() > kExtension.size() &&
         std::string_view(upper).substr(upper.size() - kExtension.size()) == kExtension;
}

std::string TimeText(platform::Platform& platform, platform::FileTime time) {
  const std::optional<platform::LocalTime> local = platform.clock.FileTimeToLocal(time);
  return local ? platform.locale.FormatDateTime(*local) : std::string();
}

}  // namespace

std::vector<BackupFileRow> ListBackupFiles(platform::Platform& platform, std::string_view folder) {
  std::vector<BackupFileRow> rows;
  if (!platform.files.FolderExists(folder)) return rows;
  const auto entries = platform.files.ListFolder(folder);
  if (!entries) return rows;
  for (const platform::FileEntry& entry : *entries) {
    if (!IsRegFile(platform.locale, entry)) continue;
    rows.push_back({TimeText(platform, entry.creationTime), std::string(folder) + entry.name,
                    entry.creationTime});
  }
  std::sort(rows.begin(), rows.end(), [](const BackupFileRow& a, const BackupFileRow& b) {
    if (a.creationTime != b.creationTime) return a.creationTime > b.creationTime;
    return a.path > b.path;
  });
  return rows;
}

std::vector<BackupFileRow> ListRepairBackups(platform::Platform& platform) {
  return ListBackupFiles(platform, RepairBackupFolder(platform.files));
}

RemoveOutcome RemoveBackupFile(platform::FileSystem& files, std::string_view path) {
  if (!files.FileExists(path)) return RemoveOutcome::Missing;
  if (files.DeleteFile(path)) return RemoveOutcome::Removed;
  return files.FileExists(path) ? RemoveOutcome::Failed : RemoveOutcome::Removed;
}

}  // namespace halvex::backup
