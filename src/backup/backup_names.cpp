#include "backup/backup_names.h"

#include "model/text_format.h"

namespace halvex::backup {

std::string BackupTimeStamp(const platform::LocalTime& time) {
  return model::FormatText("%04d%02d%02d_%02d%02d%02d", time.year, time.month, time.day, time.hour,
                           time.minute, time.second);
}

std::string UnusedBackupPath(platform::FileSystem& files, const std::string& stem) {
  std::string path = stem + ".reg";
  for (int number = 2; files.FileExists(path); ++number) {
    path = model::FormatText("%s_%d.reg", stem, number);
  }
  return path;
}

}  // namespace halvex::backup
