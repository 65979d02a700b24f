#include "tools/cleanup/fixed_drives.h"

namespace halvex::tools::cleanup {

std::vector<FixedDrive> ListFixedDrives(const CleanupServices& services, bool needsSpace) {
  constexpr std::uint64_t kBytesPerMB = 1'048'576;
  platform::FileSystem& files = services.platform.files;
  std::vector<FixedDrive> drives;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    FixedDrive drive;
    drive.id = std::string(1, letter) + ":";
    drive.root = drive.id + "\\";
    if (files.GetDriveType(drive.root) != platform::DriveType::Fixed) continue;
    if (const auto space = files.GetDiskSpace(drive.root)) {
      drive.totalMB = space->totalBytes / kBytesPerMB;
      drive.freeMB = space->freeBytes / kBytesPerMB;
    }
    if (needsSpace && (drive.totalMB == 0 || drive.freeMB == 0)) continue;
    drive.displayName = services.shell.DriveDisplayName(drive.root).value_or(drive.root);
    drives.push_back(std::move(drive));
  }
  return drives;
}

}  // namespace halvex::tools::cleanup
