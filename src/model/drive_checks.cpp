#include "model/drive_checks.h"

#include "model/abort_flag.h"
#include "model/text_search.h"

namespace halvex::model {
namespace {

bool IsExcludedType(platform::DriveType type) {
  using platform::DriveType;
  return type == DriveType::Removable || type == DriveType::Remote || type == DriveType::CdRom ||
         type == DriveType::RamDisk;
}

}  // namespace

ExcludedDriveList BuildExcludedDriveList(platform::FileSystem& files,
                                         const std::uint8_t& abortFlag) {
  ExcludedDriveList drives;
  for (char letter = 'C'; letter <= 'Z'; ++letter) {
    if (abortFlag == abort_flag::kStopRepair) break;
    const std::string name{letter, ':'};
    if (IsExcludedType(files.GetDriveType(name + '\\'))) drives.push_back(name);
  }
  return drives;
}

bool IsOnScannableDrive(platform::Locale& locale, const ExcludedDriveList& excludedDrives,
                        std::string_view text) {
  const std::string upper = locale.Upper(text);
  for (const std::string& drive : excludedDrives) {
    if (Contains(upper, locale.Upper(drive))) return false;
  }
  return true;
}

}  // namespace halvex::model
