#include "tools/browser_addons/add_on_removal.h"

#include <algorithm>

#include "backup/backup_names.h"
#include "backup/checked_write.h"
#include "backup/reg_export_header.h"
#include "backup/reg_export_lines.h"
#include "backup/registry_export.h"
#include "model/key_naming.h"
#include "model/program_folder.h"
#include "model/registry_delete.h"
#include "tools/browser_addons/add_on_list.h"

namespace halvex::tools {
namespace {

using model::registry_content::TContent;

enum class BackupOutcome { Written, NothingToSave, NotWritten };

// Writes the backup of every add-on's key; NotWritten when any key that exists could not be
// read or the file could not be written whole.
BackupOutcome WriteAddOnBackup(platform::Platform& platform, platform::PlatformClass platformClass,
                               std::span<const TContent> addOns, const std::string& folder,
                               const std::string& path) {
  // No registry editor imports a file without its header line: it would be no backup.
  if (backup::RegExportHeader(platformClass).empty()) return BackupOutcome::NotWritten;
  backup::RegExportLines file = backup::StartRegExport(platformClass);
  const backup::RegistrySource source{platform.registry, platform.locale};
  std::vector<std::string> exported;
  for (const TContent& addOn : addOns) {
    // Several toolbar buttons share one key: it is saved once.
    if (std::find(exported.begin(), exported.end(), addOn.KeyPath) != exported.end()) continue;
    exported.push_back(addOn.KeyPath);
    if (backup::ExportRegistryKeyTree(source, addOn.KeyPath, file) ==
        backup::ExportOutcome::Failed) {
      return BackupOutcome::NotWritten;
    }
  }
  // Every key is gone already: there is nothing to save, and nothing will be deleted.
  if (!file.HasEntries()) return BackupOutcome::NothingToSave;
  return backup::WriteBackupFile(platform.files, folder, path,
                                 backup::RegExportFileBytes(file, platform.locale))
             ? BackupOutcome::Written
             : BackupOutcome::NotWritten;
}

// Deletes the add-on; a key or value that is gone already counts as deleted.
bool DeleteAddOn(platform::Registry& registry, const TContent& addOn) {
  if (addOn.KindCode == kToolbarKind) {
    const std::string name = RemovalTarget(addOn);
    // The unnamed default value is listed under the empty name.
    const std::string_view valueName = name.empty() ? model::kDefaultValueName : name;
    if (model::DeleteValueByPath(registry, addOn.KeyPath, valueName)) return true;
  } else {
    if (model::DeleteKeyByFullPath(registry, addOn.KeyPath)) return true;
  }
  // Refused, or nothing there to delete: only the first is a failure.
  const model::SplitKeyPath key = model::SplitFullKeyPath(addOn.KeyPath);
  platform::KeyHandle opened;
  if (registry.OpenKey(platform::RootHandle(key.root), key.absolutePath.substr(1),
                       platform::KeyAccess::Read, opened) != platform::RegStatus::Ok) {
    return true;
  }
  platform::ScopedKey scoped(registry, opened);
  if (addOn.KindCode != kToolbarKind) return false;
  platform::RegValue value;
  return registry.QueryValue(opened, RemovalTarget(addOn), 0, value) ==
         platform::RegStatus::NotFound;
}

}  // namespace

std::string AddOnBackupFolder(platform::FileSystem& files) {
  return model::InProgramFolder(files, kAddOnBackupFolder);
}

AddOnRemovalResult RemoveAddOns(platform::Platform& platform, platform::PlatformClass platformClass,
                                std::span<const TContent> addOns) {
  AddOnRemovalResult result;
  if (addOns.empty()) return result;
  const std::string folder = AddOnBackupFolder(platform.files);
  result.backupPath = backup::UnusedBackupPath(
      platform.files, folder + "Backup_" + backup::BackupTimeStamp(platform.clock.Now()) + "_IE");
  switch (WriteAddOnBackup(platform, platformClass, addOns, folder, result.backupPath)) {
    case BackupOutcome::NotWritten:
      result.status = AddOnRemovalStatus::BackupNotWritten;
      return result;
    case BackupOutcome::NothingToSave:
      result.backupPath.clear();  // no file was written
      break;
    case BackupOutcome::Written:
      break;
  }
  for (std::size_t i = 0; i < addOns.size(); ++i) {
    (DeleteAddOn(platform.registry, addOns[i]) ? result.removed : result.failed).push_back(i);
  }
  result.status =
      result.failed.empty() ? AddOnRemovalStatus::Removed : AddOnRemovalStatus::PartlyRemoved;
  return result;
}

}  // namespace halvex::tools
