#include "backup/repair_backup.h"

#include <algorithm>
#include <iterator>

#include "backup/backup_names.h"
#include "backup/checked_write.h"
#include "backup/reg_export_header.h"
#include "backup/reg_export_lines.h"
#include "backup/registry_export.h"
#include "backup/shortcut_copies.h"
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

std::vector<RepairTarget> MarkedShortcutTargets(const model::ScanModel& model,
                                                std::span<const int> resultRowSections) {
  std::vector<RepairTarget> targets;
  const scan::SectionRow* row = scan::FindSection(kShortcutSection);
  if (row == nullptr ||
      std::ranges::find(resultRowSections, kShortcutSection) == resultRowSections.end()) {
    return targets;
  }
  for (const auto& problem : model.SectionContents[kShortcutSection]) {
    if (problem.Marked) targets.push_back(row->routines.TargetOf(problem));
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
  std::vector<std::string> shortcuts;  // the file targets that exist: the repair deletes them
  for (const RepairTarget& target : targets) {
    if (target.kind == RepairTarget::Kind::File) {
      if (platform.files.FileExists(target.filePath)) shortcuts.push_back(target.filePath);
      continue;
    }
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

  // No registry editor imports a file without its header line: it would be no backup, and its
  // shortcut copies could not be found from the backup lists.
  const bool importable = !RegExportHeader(platformClass).empty();
  if (importable) {
    const std::string copies = ShortcutCopiesFolder(result.path);
    for (const std::string& shortcut : shortcuts) {
      if (CopyShortcut(platform.files, copies, shortcut)) {
        result.copiedShortcuts.push_back(shortcut);
      }
    }
  }
  result.uncopiedShortcuts = shortcuts.size() - result.copiedShortcuts.size();

  const bool anythingSaved = file.HasEntries() || !result.copiedShortcuts.empty();
  const bool anythingUnsaved = result.unsavedTargets > 0 || result.uncopiedShortcuts > 0;
  if (!anythingSaved) {
    result.status =
        anythingUnsaved ? RepairBackupStatus::NotWritten : RepairBackupStatus::NothingToSave;
  } else if (!importable || !WriteBackupFile(platform.files, folder, result.path,
                                             RegExportFileBytes(file, platform.locale))) {
    result.status = RepairBackupStatus::NotWritten;
    // Copies that no backup file names could not be restored: their shortcuts stay.
    result.uncopiedShortcuts = shortcuts.size();
    result.copiedShortcuts.clear();
  } else {
    result.status = anythingUnsaved ? RepairBackupStatus::Incomplete : RepairBackupStatus::Written;
  }
  return result;
}

RepairBackupResult WriteRepairBackup(platform::Platform& platform,
                                     platform::PlatformClass platformClass,
                                     const model::ScanModel& model,
                                     std::span<const int> resultRowSections) {
  std::vector<RepairTarget> targets = MarkedRegistryTargets(model, resultRowSections);
  std::ranges::move(MarkedShortcutTargets(model, resultRowSections), std::back_inserter(targets));
  return WriteRepairBackup(platform, platformClass, targets);
}

}  // namespace halvex::backup
