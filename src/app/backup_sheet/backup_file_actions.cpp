#include "app/backup_sheet/backup_file_actions.h"

#include "app/shared/product.h"
#include "backup/backup_files.h"
#include "backup/registry_restore.h"
#include "backup/shortcut_copies.h"

namespace halvex::app {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

constexpr std::size_t kPathSubItem = 0;

MessageAnswer Show(const BackupServices& services, const char* text, MessageButtons buttons,
                   MessageIcon icon = MessageIcon::None) {
  return services.desktop.messages.Show(text, kProductName, buttons, icon);
}

// Copies back the shortcuts the repair kept beside the backup file, and names those it could not.
void RestoreShortcuts(const BackupServices& services, const std::string& backupFile) {
  const backup::ShortcutRestore restore =
      backup::RestoreShortcutCopies(services.platform.files, backupFile);
  if (restore.leftInPlace.empty() && restore.failed.empty()) return;
  std::string text = kShortcutsNotRestored;
  for (const auto* paths : {&restore.leftInPlace, &restore.failed}) {
    for (const std::string& path : *paths) text += "\r" + path;
  }
  (void)Show(services, text.c_str(), MessageButtons::Ok, MessageIcon::Warning);
}

}  // namespace

void RestoreSelectedBackup(const BackupServices& services, const ui::ListView& list) {
  const int row = list.selectedIndex();
  if (row == ui::ListView::kNone) {
    (void)Show(services, kNoBackupSelected, MessageButtons::Ok);
    return;
  }
  if (Show(services, kRestoreQuestion, MessageButtons::YesNo, MessageIcon::Information) !=
      MessageAnswer::Yes) {
    return;
  }
  const std::string file = list.SubItem(row, kPathSubItem);
  const bool restored =
      backup::RestoreRegistryFile(services.platform, services.processes, file, services.Pump())
          .ok();
  if (restored) {
    RestoreShortcuts(services, file);
    (void)Show(services, kRestoreDone, MessageButtons::Ok);
  } else {
    (void)Show(services, kRestoreFailed, MessageButtons::Ok, MessageIcon::Warning);
  }
}

void RemoveSelectedBackup(const BackupServices& services, ui::ListView& list) {
  const int row = list.selectedIndex();
  if (row == ui::ListView::kNone) {
    (void)Show(services, kNoBackupSelected, MessageButtons::Ok);
    return;
  }
  if (Show(services, kRemoveQuestion, MessageButtons::YesNo, MessageIcon::Warning) !=
      MessageAnswer::Yes) {
    return;
  }
  switch (backup::RemoveBackupFile(services.platform.files, list.SubItem(row, kPathSubItem))) {
    case backup::RemoveOutcome::Removed:
      (void)list.DeleteRow(row);
      (void)Show(services, kRemoveDone, MessageButtons::Ok);
      break;
    case backup::RemoveOutcome::Failed:
      (void)Show(services, kRemoveFailed, MessageButtons::Ok, MessageIcon::Warning);
      break;
    case backup::RemoveOutcome::Missing:
      break;
  }
}

}  // namespace halvex::app
