#pragma once
// The speed optimizer's runs as the window and halvex-cli share them: an optimization writes
// one new speed backup file in the "RepairBackup\" folder, the reset lists those files and
// restores one.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/locale.h"
#include "platform/registry.h"
#include "platform/service_manager.h"
#include "tools/system_speed/profile_file.h"
#include "tools/system_speed/service_table.h"
#include "tools/system_speed/tweak_table.h"
#include "tools/system_speed/tweaks.h"

namespace halvex::tools::system_speed {

// Opens a profile file by its path, through the program's profile-file layer.
using ProfileFileOpener = std::function<std::unique_ptr<ProfileFile>(const std::string& path)>;

struct SpeedServices {
  platform::Registry& registry;
  platform::FileSystem& files;
  platform::Clock& clock;
  platform::ServiceManager& services;
  ProfileFileOpener openProfile;
};

// "<program folder>RepairBackup\".
std::string SpeedBackupFolder(platform::FileSystem& files);

struct OptimizationRun {
  std::string backupFile;  // the speed backup file this run wrote
  StepFailures failures;
};

// One optimization: makes sure the backup folder exists, names a new speed backup file
// ("speedRestore" + the local time "yyyymmdd_hhnnss" + ".ini", with "_2" and so on rather than
// over an earlier file), saves the services' start types, applies the service boxes (none when
// `serviceBoxes` is absent) and then the ticked tweaks.
OptimizationRun RunOptimization(SpeedServices& services, const TweakBoxes& tweakBoxes,
                                const std::optional<ServiceBoxes>& serviceBoxes);

// A row of the backups list: the file's name and its full path.
struct SpeedBackupRow {
  std::string name;
  std::string path;
};
// The "*.ini" files of the backup folder whose names hold "speed" in any letter case.
std::vector<SpeedBackupRow> ListBackupFiles(platform::FileSystem& files, platform::Locale& locale);

// Restores the tweaks of the file in the restore order, then the services. Nullopt when the
// file does not exist (any more); the file itself is left as it is.
std::optional<StepFailures> RestoreFromBackupFile(SpeedServices& services, const std::string& path);

}  // namespace halvex::tools::system_speed
