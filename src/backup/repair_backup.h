#pragma once
// The repair backup: before a repair changes anything, everything it is about to delete is
// saved into a registry export file in "RepairBackup\" beside the executable, named
// "_yyyymmdd_hhnnss.reg" after the local time, so that importing the file undoes the repair.
// The shortcut files the repair deletes are copied into the folder of the same name beside it
// (backup/shortcut_copies.h).
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/scan_model.h"
#include "platform/platform.h"
#include "platform/platform_class.h"
#include "scan/repair_target.h"

namespace halvex::backup {

inline constexpr std::string_view kRepairBackupFolder = "RepairBackup\\";

// The program folder followed by "RepairBackup\".
std::string RepairBackupFolder(platform::FileSystem& files);
// "_" + the time formatted "yyyymmdd_hhnnss" + ".reg".
std::string RepairBackupFileName(const platform::LocalTime& time);

// What the repair will delete, as its sections say it (SectionRoutines::TargetOf): for each
// result row from the top, the marked problems of that row's section in collection order. The
// "All Problems" row adds nothing (its problems are repaired through their sections), nor does
// section 11, whose problems are shortcut files; file targets are not registry data either, and
// records whose repair changes nothing have nothing to save.
std::vector<scan::RepairTarget> MarkedRegistryTargets(const model::ScanModel& model,
                                                      std::span<const int> resultRowSections);

// The shortcut files the repair will delete: the marked problems of section 11, when its row is
// listed.
std::vector<scan::RepairTarget> MarkedShortcutTargets(const model::ScanModel& model,
                                                      std::span<const int> resultRowSections);

enum class RepairBackupStatus {
  NothingToSave,  // no target, or none that still exists: no file, and no message
  Written,        // the file holds every registry target, and every shortcut has its copy
  Incomplete,     // the file is written, but targets that exist could not be saved
  NotWritten,     // there was something to save, but no importable file could be written
};

struct [[nodiscard]] RepairBackupResult {
  RepairBackupStatus status = RepairBackupStatus::NothingToSave;
  // The file's full path, formed in every case; an existing backup is never overwritten, so a
  // second backup within the same second gets "_2" (and so on) before ".reg".
  std::string path;
  std::size_t savedTargets = 0;    // targets in the file
  std::size_t unsavedTargets = 0;  // targets that exist but could not be read
  // The shortcuts whose copies lie beside the file: only these may be deleted by the repair.
  std::vector<std::string> copiedShortcuts;
  std::size_t uncopiedShortcuts = 0;  // shortcuts that exist but could not be copied

  bool written() const {
    return status == RepairBackupStatus::Written || status == RepairBackupStatus::Incomplete;
  }
  // Whether everything the repair will delete can be restored from the file (also when there
  // is nothing to delete).
  bool complete() const {
    return status == RepairBackupStatus::Written || status == RepairBackupStatus::NothingToSave;
  }
  // The folder part of the path, ending in "\".
  std::string Folder() const;
};

// Exports each target (a value, or a whole key tree with all its values and subkeys) with the
// header of the platform class, copies each file target that exists (a shortcut) into the
// folder beside the file, and writes the file when it holds anything or shortcuts were copied:
// a repair of shortcuts alone writes the header only, so that the backup lists show it. The
// file is read back before it counts as written; without it the copies do not count either. A
// platform class without a header (undetermined, Win32s) writes nothing: its file could not be
// imported, so the backup is NotWritten.
RepairBackupResult WriteRepairBackup(platform::Platform& platform,
                                     platform::PlatformClass platformClass,
                                     std::span<const scan::RepairTarget> targets);

// The repair backup of the marked problems of the listed sections (MarkedRegistryTargets and
// MarkedShortcutTargets).
RepairBackupResult WriteRepairBackup(platform::Platform& platform,
                                     platform::PlatformClass platformClass,
                                     const model::ScanModel& model,
                                     std::span<const int> resultRowSections);

}  // namespace halvex::backup
