#pragma once
// machine.ini of a machine folder: the facts of the substitute machine (platform class,
// version, code page, clock), its system folders, and its drives. docs/machine-folder.md
// describes every key; a key that is not there has its default.
#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/platform_class.h"
#include "platform/shell_operations.h"
#include "platform/substitute/fixed_clock.h"
#include "platform/substitute/host_file_system.h"
#include "platform/substitute/ini_lines.h"

namespace halvex::platform::substitute {

struct DriveSettings {
  char letter = 'C';
  DriveType type = DriveType::Fixed;
  DiskSpace space{1ull << 30, 4ull << 30};
  std::size_t line = 0;  // where machine.ini lists it; 0 for the default drive
};

struct MachineSettings {
  PlatformClass platformClass = PlatformClass::NtFamily;  // "nt", or "9x": Windows95Family
  unsigned majorVersion = 6;
  unsigned minorVersion = 1;
  SystemFolders folders;
  unsigned codePage = 1252;
  LocalTime now = kDefaultNow;
  int utcOffsetMinutes = 0;
  std::vector<DriveSettings> drives{DriveSettings{}};
  // The profile folders the shell names ("profiles", "profile", "desktop", "documents").
  UserFolders userFolders;

  const DriveSettings* FindDrive(char letter) const;
};

using MachineIniResult = std::variant<MachineSettings, LineError>;

// The settings of the whole file, or the first line that is wrong. Every system folder must
// lie on a drive the file lists.
[[nodiscard]] MachineIniResult ParseMachineIni(std::string_view text);

}  // namespace halvex::platform::substitute
