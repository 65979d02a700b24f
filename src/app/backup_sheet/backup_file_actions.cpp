#include "app/backup_sheet/backup_file_actions.h"

#include "app/shared/product.h"
#include "backup/backup_files.h"
#include "backup/registry_restore.h"

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
  const bool restored =
      backup::RestoreRegistryFile(services.platform, services.processes,
                                  list.SubItem(row, kPathSubItem), services.Pump())
          .ok();
  if (restored) {
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
