#pragma once
// The backup sheet of the main window: the repair backups in "RepairBackup\" (newest first),
// Restore and Remove, and Full Backup, which opens the full registry backup window. The detail
// list of a backup's key and value lines is filled when a row is selected but never shown, and
// its marks change nothing.
#include <vector>

#include "app/backup_sheet/backup_services.h"
#include "app/shared/data_module.h"
#include "backup/read_reg_export_file.h"
#include "ui/button.h"
#include "ui/list_view.h"
#include "ui/panel.h"
#include "ui/picture.h"

namespace halvex::app {

inline constexpr const char* kRepairBackupStatus = "Repair Backup";

class BackupSheetView {
 public:
  BackupSheetView(ui::Panel& sheet, const TDM& dm, BackupServices services);
  BackupSheetView(const BackupSheetView&) = delete;
  BackupSheetView& operator=(const BackupSheetView&) = delete;

  // BackupBtnClick's list: one row per repair backup, newest first.
  void ListRepairBackups();
  // Reads the selected backup's lines into the detail list, or empties it.
  void BackupDataListViewSelectItem();
  void FullBackupBtnClick();
  void RestoreRegistryBtnClick();
  void RemoveBackupBtnClick();
  void cbBackupSelectAllClick();

  const std::vector<backup::TDetailBackup>& details() const { return details_; }

  ui::ListView BackupDataListView{"BackupDataListView"};
  ui::Picture FullBackupBtn{"FullBackupBtn"};
  ui::Picture RestoreRegistryBtn{"RestoreRegistryBtn"};
  ui::Picture RemoveBackupBtn{"RemoveBackupBtn"};
  ui::Panel DetailBackupPanel{"DetailBackupPanel"};
  ui::ListView DetailBackupListView{"DetailBackupListView"};
  ui::CheckBox cbBackupSelectAll{"cbBackupSelectAll", "Select All"};

 private:
  void SetColumnWidths();

  ui::Panel& sheet_;
  const TDM& dm_;
  BackupServices services_;
  std::vector<backup::TDetailBackup> details_;
};

}  // namespace halvex::app
