#pragma once
// Removing browser add-ons, always after their backup: the keys of the ticked add-ons, each with
// all its values and subkeys, go into one registry export file in "IEBackUp\" beside the
// executable, and only a file that holds all of them and reads back lets the removal go on.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/registry_contents.h"
#include "platform/platform.h"
#include "platform/platform_class.h"

namespace halvex::tools {

inline constexpr std::string_view kAddOnBackupFolder = "IEBackUp\\";

// The program folder followed by "IEBackUp\".
std::string AddOnBackupFolder(platform::FileSystem& files);

// What the window shows when the backup could not be written: nothing was removed.
inline constexpr std::string_view kAddOnBackupFailedMessage =
    "The backup of the checked items could not be written. Nothing was removed.";

enum class AddOnRemovalStatus {
  NothingChecked,    // no add-on given: no file, nothing removed
  BackupNotWritten,  // a key could not be read, or the file could not be written: nothing removed
  Removed,           // the backup holds every key, and every add-on is gone
  PartlyRemoved,     // the backup holds every key, but some add-ons could not be deleted
};

struct [[nodiscard]] AddOnRemovalResult {
  AddOnRemovalStatus status = AddOnRemovalStatus::NothingChecked;
  // "IEBackUp\Backup_yyyymmdd_hhnnss_IE.reg", or with "_2" and so on before ".reg" when a file
  // of that name exists; empty when no file was written because there was nothing to save.
  std::string backupPath;
  std::vector<std::size_t> removed;  // indices into the add-ons given
  std::vector<std::size_t> failed;
};

// Backs up the keys of `addOns` (each distinct key once, in the order given, with the header of
// the platform class), then deletes each add-on by its kind: a menu extension's key and a
// explorer bar's key with everything below them, a toolbar button's value. A key that no longer
// exists has nothing to save and nothing to delete.
AddOnRemovalResult RemoveAddOns(platform::Platform& platform, platform::PlatformClass platformClass,
                                std::span<const model::registry_content::TContent> addOns);

}  // namespace halvex::tools
