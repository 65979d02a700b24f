#pragma once
// Restore and Remove of the backup lists (the backup sheet's and the full backup window's):
// the same questions, the same waits for the registry editor and the same messages for both.
// Each list holds the file's path in sub-item 0.
#include "app/backup_sheet/backup_messages.h"
#include "app/backup_sheet/backup_services.h"
#include "ui/list_view.h"

namespace halvex::app {

// Asks, then has the registry editor import the selected row's file and waits for it while
// the windows go on painting; success only when the import is in the registry
// (RestoreRegistryFile).
void RestoreSelectedBackup(const BackupServices& services, const ui::ListView& list);

// Asks, then deletes the selected row's file and its row. A file that is already gone leaves
// the row, and nothing is said.
void RemoveSelectedBackup(const BackupServices& services, ui::ListView& list);

}  // namespace halvex::app
