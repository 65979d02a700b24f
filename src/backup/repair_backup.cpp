#include "backup/repair_backup.h"

#include "backup/backup_names.h"
#include "backup/checked_write.h"
#include "backup/reg_export_header.h"
#include "backup/reg_export_lines.h"
#include "backup/registry_export.h"
#include "model/program_folder.h"
#include "scan/section_table.h"

namespace halvex::backup {
namespace {

using scan::RepairTarget;

// The section whose problems are shortcut files, which a registry export cannot hold.
constexpr int kShortcutSection = 11;

ExportOutcome Export(RegistrySource source, const RepairTarget& target, RegExportLines& file) {
  if (target.kind == RepairTarget::Kind::KeyTree) {
    return ExportRegistryKeyTree(source, target.keyPath, file);
  }
  return ExportRegistryValue(source, target.keyPath, target.valueName, file);
}

}  // namespace

std::string RepairBackupFolder(platform::FileSystem& files) {
  return model::InProgramFolder(files, kRepairBackupFolder);
}

std::string RepairBackupFileName(const platform::LocalTime& time) {
  return "_" + BackupTimeStamp(time) + ".reg";
}

std::string RepairBackupResult::Folder() const {
  return path.substr(0, path.rfind('\\') + 1);
}

std::vector<RepairTarget> MarkedRegistryTargets(const model::ScanModel& model,
                                                std::span<const int> resultRowSections) {
  std::vector<RepairTarget> targets;
  for (int section : resultRowSections) {
    const scan::SectionRow* row = scan::FindSection(section);
    if (row == nullptr || section == kShortcutSection) continue;
    for (const auto& problem : model.SectionContents[static_cast<std::size_t>(section)]) {
      if (!problem.Marked) continue;
      RepairTarget target = row->routines.TargetOf(problem);
      if (scan::ChangesRegistry(target)) targets.push_back(std::move(target));
    }
  }
  return targets;
}

RepairBackupResult WriteRepairBackup(platform::Platform& platform,
                                     platform::PlatformClass platformClass,
                                     std::span<const RepairTarget> targets) {
  const std::string folder = RepairBackupFolder(platform.files);
  RepairBackupResult result;
  result.path =
      UnusedBackupPath(platform.files, folder + "_" + BackupTimeStamp(platform.clock.Now()));

  RegExportLines file = StartRegExport(platformClass);
  const RegistrySource source{platform.registry, platform.locale};
  for (const RepairTarget& target : targets) {
    if (!scan::ChangesRegistry(target)) continue;
    switch (Export(source, target, file)) {
      case ExportOutcome::Exported:
        ++result.savedTargets;
        break;
      case ExportOutcome::Failed:
        ++result.unsavedTargets;
        break;
      case ExportOutcome::Missing:
        break;  // the repair finds nothing to delete there either
    }
  }

  if (!file.HasEntries()) {
    result.status = result.unsavedTargets > 0 ? RepairBackupStatus::NotWritten
                                              : RepairBackupStatus::NothingToSave;
  } else if (RegExportHeader(platformClass).empty()) {
    // No registry editor imports a file without its header line: it would be no backup.
    result.status = RepairBackupStatus::NotWritten;
  } else if (!WriteBackupFile(platform.files, folder, result.path,
                              RegExportFileBytes(file, platform.locale))) {
    result.status = RepairBackupStatus::NotWritten;
  } else {
    result.status =
        result.unsavedTargets > 0 ? RepairBackupStatus::Incomplete : RepairBackupStatus::Written;
  }
  return result;
}

RepairBackupResult WriteRepairBackup(platform::Platform& platform,
                                     platform::PlatformClass platformClass,
                                     const model::ScanModel& model,
                                     std::span<const int> resultRowSections) {
  const std::vector<RepairTarget> targets = MarkedRegistryTargets(model, resultRowSections);
  return WriteRepairBackup(platform, platformClass, targets);
}

}  // namespace halvex::backup
