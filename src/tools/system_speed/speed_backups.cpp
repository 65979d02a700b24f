#include "tools/system_speed/speed_backups.h"

#include "backup/backup_names.h"
#include "model/program_folder.h"
#include "tools/system_speed/service_settings.h"

namespace halvex::tools::system_speed {
namespace {

std::string NewBackupPath(platform::FileSystem& files, const std::string& stem) {
  std::string path = stem + ".ini";
  for (int copy = 2; files.FileExists(path); ++copy) {
    path = stem + "_" + std::to_string(copy) + ".ini";
  }
  return path;
}

}  // namespace

std::string SpeedBackupFolder(platform::FileSystem& files) {
  return model::InProgramFolder(files, "RepairBackup\\");
}

OptimizationRun RunOptimization(SpeedServices& services, const TweakBoxes& tweakBoxes,
                                const std::optional<ServiceBoxes>& serviceBoxes) {
  OptimizationRun run;
  const std::string folder = SpeedBackupFolder(services.files);
  if (!services.files.FolderExists(folder) && !services.files.CreateFolder(folder)) {
    run.failures.Add("cannot create the folder " + folder);
    return run;
  }
  run.backupFile = NewBackupPath(
      services.files, folder + "speedRestore" + backup::BackupTimeStamp(services.clock.Now()));
  // The file exists from the start, so the next run's name differs even when this one saves
  // nothing.
  if (!services.files.WriteFile(run.backupFile, "")) {
    run.failures.Add("cannot write " + run.backupFile);
    return run;
  }
  const std::unique_ptr<ProfileFile> file = services.openProfile(run.backupFile);
  if (serviceBoxes) {
    SaveServiceStartTypes(services.registry, *file, run.failures);
    ApplyServiceSettings({services.registry, services.services}, *serviceBoxes, run.failures);
  }
  ApplyTweaks(services.registry, *file, tweakBoxes, run.failures);
  return run;
}

std::vector<SpeedBackupRow> ListBackupFiles(platform::FileSystem& files, platform::Locale& locale) {
  std::vector<SpeedBackupRow> rows;
  const std::string folder = SpeedBackupFolder(files);
  const auto entries = files.ListFolder(folder);
  if (!entries) return rows;
  for (const platform::FileEntry& entry : *entries) {
    if (entry.name == "." || entry.name == "..") continue;
    const std::string upper = locale.Upper(entry.name);
    const bool isIni = upper.size() >= 4 && upper.compare(upper.size() - 4, 4, ".INI") == 0;
    if (isIni && upper.find("SPEED") != std::string::npos) {
      rows.push_back({entry.name, folder + entry.name});
    }
  }
  return rows;
}

std::optional<StepFailures> RestoreFromBackupFile(SpeedServices& services,
                                                  const std::string& path) {
  if (!services.files.FileExists(path)) return std::nullopt;
  const std::unique_ptr<ProfileFile> file = services.openProfile(path);
  StepFailures failures;
  RestoreTweaks(services.registry, *file, failures);
  RestoreServices({services.registry, services.services}, *file, failures);
  return failures;
}

}  // namespace halvex::tools::system_speed
