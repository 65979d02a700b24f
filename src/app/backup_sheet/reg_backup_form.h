#pragma once
// TRegBackupForm, "Full Registry Backup": the whole registry exported by the registry editor
// into "FullBackup\" beside the program, the list of those exports (newest first), and their
// restore and removal. Shown modally from the backup sheet's Full Backup button.
#include "app/backup_sheet/backup_services.h"
#include "app/shared/data_module.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/picture.h"

namespace halvex::app {

class TRegBackupForm : public ui::Form {
 public:
  static constexpr int kWidth = 688;
  static constexpr int kHeight = 453;
  static constexpr int kTimeColumnWidth = 150;

  TRegBackupForm(BackupServices services, const TDM& dm);

  void FormShow();
  void FormResize();
  // Clears the list and adds a row for each export in the full backup folder.
  void ListFullBackups();
  void BackupRegistryBtnClick();
  void RestoreRegistryBtnClick();
  void RemoveBackupBtnClick();
  void CloseBtnClick();

  ui::ListView BackupDataListView{"BackupDataListView"};
  ui::Picture BackupRegistryBtn{"BackupRegistryBtn"};
  ui::Picture RestoreRegistryBtn{"RestoreRegistryBtn"};
  ui::Picture RemoveBackupBtn{"RemoveBackupBtn"};
  ui::Picture CloseBtn{"CloseBtn"};

 private:
  BackupServices services_;
};

}  // namespace halvex::app
