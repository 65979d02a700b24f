#include "app/backup_sheet/reg_backup_form.h"

#include "app/backup_sheet/backup_file_actions.h"
#include "app/shared/hint_form.h"
#include "app/shared/product.h"
#include "backup/backup_files.h"
#include "backup/registry_editor.h"

namespace halvex::app {

TRegBackupForm::TRegBackupForm(BackupServices services, const TDM& dm)
    : ui::Form("RegBackupForm"), services_(services) {
  borderStyle = ui::BorderStyle::Dialog;
  SetCaption("Full Registry Backup");
  SetBounds(ui::Rect::At(0, 0, kWidth, kHeight));

  // FormCreate: the file column takes what the time column leaves.
  BackupDataListView.SetBounds(ui::Rect::At(12, 12, kWidth - 24, kHeight - 12 - 28 - 24));
  BackupDataListView.SetColumns({{"Backup Time", kTimeColumnWidth}, {"Backup File", 500}});
  FormResize();
  AddChild(BackupDataListView);

  struct ButtonEntry {
    ui::Picture* button;
    const char* caption;
    void (TRegBackupForm::*click)();
  };
  const ButtonEntry buttons[] = {
      {&BackupRegistryBtn, "Backup", &TRegBackupForm::BackupRegistryBtnClick},
      {&RestoreRegistryBtn, "Restore", &TRegBackupForm::RestoreRegistryBtnClick},
      {&RemoveBackupBtn, "Remove", &TRegBackupForm::RemoveBackupBtnClick},
      {&CloseBtn, "Close", &TRegBackupForm::CloseBtnClick},
  };
  int left = 12;
  for (const ButtonEntry& entry : buttons) {
    entry.button->SetBounds(ui::Rect::At(left, kHeight - 12 - 28, 129, 28));
    dm.DrawImageWithText(0, dm.NullBtnImageList, *entry.button, entry.caption);
    entry.button->SetHoverImageIndex(1);
    entry.button->onClick = [this, click = entry.click] { (this->*click)(); };
    AddChild(*entry.button);
    left += 129 + 12;
  }

  onShow = [this] { FormShow(); };
  onResize = [this] { FormResize(); };
}

void TRegBackupForm::FormShow() {
  ListFullBackups();
}

void TRegBackupForm::FormResize() {
  BackupDataListView.SetColumnWidth(1, BackupDataListView.bounds().width() - kTimeColumnWidth - 24);
}

void TRegBackupForm::ListFullBackups() {
  BackupDataListView.Clear();
  const std::string folder = backup::FullBackupFolder(services_.platform.files);
  for (const backup::BackupFileRow& row : backup::ListBackupFiles(services_.platform, folder)) {
    (void)BackupDataListView.AddRow({row.time, {row.path}});
  }
}

void TRegBackupForm::BackupRegistryBtnClick() {
  backup::FullBackupResult result;
  {
    THintForm hint;
    hint.LabelMsg.SetCaption(kFullBackupWaitMessage);
    services_.windows.Show(hint);
    services_.windows.Repaint(hint);
    result = backup::ExportFullRegistry(services_.platform, services_.processes, services_.Pump());
  }
  if (!result.succeeded) {
    (void)services_.desktop.messages.Show(
        kFullBackupFailed, kProductName, platform::MessageButtons::Ok, platform::MessageIcon::None);
    return;
  }
  // Listed again rather than added at the end, so that the newest stays first.
  ListFullBackups();
  (void)services_.desktop.messages.Show(kFullBackupCreated, kProductName,
                                        platform::MessageButtons::Ok, platform::MessageIcon::None);
}

void TRegBackupForm::RestoreRegistryBtnClick() {
  RestoreSelectedBackup(services_, BackupDataListView);
}

void TRegBackupForm::RemoveBackupBtnClick() {
  RemoveSelectedBackup(services_, BackupDataListView);
}

void TRegBackupForm::CloseBtnClick() {
  SetModalResult(ui::ModalResult::Ok);
  Close();
}

}  // namespace halvex::app
