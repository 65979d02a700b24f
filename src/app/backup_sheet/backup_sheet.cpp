#include "app/backup_sheet/backup_sheet.h"

#include "app/backup_sheet/backup_file_actions.h"
#include "app/backup_sheet/reg_backup_form.h"
#include "backup/backup_files.h"

namespace halvex::app {
namespace {

constexpr int kTimeWidth = 130;
constexpr int kStatusWidth = 100;
constexpr int kListTop = 56;
constexpr int kButtonsHeight = 28 + 24;

}  // namespace

BackupSheetView::BackupSheetView(ui::Panel& sheet, const TDM& dm, BackupServices services)
    : sheet_(sheet), dm_(dm), services_(services) {
  const int width = sheet_.bounds().width();
  const int height = sheet_.bounds().height();
  BackupDataListView.SetBounds(
      ui::Rect::At(24, kListTop, width - 48, height - kListTop - kButtonsHeight - 12));
  BackupDataListView.SetColumns({{"Backup Time", kTimeWidth},
                                 {"Backup File", 300},
                                 {"Status", kStatusWidth, ui::TextAlign::Center}});
  BackupDataListView.onSelect = [this] { BackupDataListViewSelectItem(); };
  sheet_.AddChild(BackupDataListView);

  struct ButtonEntry {
    ui::Picture* button;
    int image;  // of BtnImageListEx; the next one shows under the pointer
    void (BackupSheetView::*click)();
  };
  const ButtonEntry buttons[] = {
      {&RestoreRegistryBtn, 0, &BackupSheetView::RestoreRegistryBtnClick},
      {&RemoveBackupBtn, 2, &BackupSheetView::RemoveBackupBtnClick},
      {&FullBackupBtn, 4, &BackupSheetView::FullBackupBtnClick},
  };
  int left = 24;
  for (const ButtonEntry& entry : buttons) {
    entry.button->SetBounds(ui::Rect::At(left, height - kButtonsHeight, 123, 28));
    entry.button->SetImageList(&dm_.BtnImageListEx);
    entry.button->SetImageIndex(entry.image);
    entry.button->SetHoverImageIndex(entry.image + 1);
    entry.button->onClick = [this, click = entry.click] { (this->*click)(); };
    sheet_.AddChild(*entry.button);
    left += 123 + 12;
  }

  // The detail list and its heading are made but nothing shows them.
  DetailBackupPanel.SetCaption("Detail Backup");
  DetailBackupPanel.SetVisible(false);
  DetailBackupListView.SetColumns({{"", 24}, {"Key Name", 250}, {"Key Value", 250}});
  DetailBackupListView.SetCheckBoxes(true);
  DetailBackupListView.SetVisible(false);
  DetailBackupListView.onCheck = [this](int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < details_.size()) {
      details_[static_cast<std::size_t>(row)].Marked = DetailBackupListView.Row(row).checked;
    }
  };
  cbBackupSelectAll.SetVisible(false);
  cbBackupSelectAll.onClick = [this] { cbBackupSelectAllClick(); };
  sheet_.AddChild(DetailBackupPanel);
  sheet_.AddChild(DetailBackupListView);
  sheet_.AddChild(cbBackupSelectAll);
}

void BackupSheetView::SetColumnWidths() {
  BackupDataListView.SetColumnWidth(
      1, BackupDataListView.bounds().width() - kTimeWidth - kStatusWidth - 24);
}

void BackupSheetView::ListRepairBackups() {
  BackupDataListView.Clear();
  for (const backup::BackupFileRow& row : backup::ListRepairBackups(services_.platform)) {
    (void)BackupDataListView.AddRow({row.time, {row.path, kRepairBackupStatus}});
  }
  SetColumnWidths();
}

void BackupSheetView::BackupDataListViewSelectItem() {
  details_.clear();
  DetailBackupListView.Clear();
  const int row = BackupDataListView.selectedIndex();
  if (row == ui::ListView::kNone) return;
  // A file that cannot be read shows no lines.
  details_ = backup::ReadRegExportFile(services_.platform.files, services_.platform.locale,
                                       BackupDataListView.SubItem(row, 0))
                 .value_or(std::vector<backup::TDetailBackup>{});
  for (const backup::TDetailBackup& detail : details_) {
    (void)DetailBackupListView.AddRow({"", {detail.KeyLine, detail.ValueLine}, detail.Marked});
  }
}

void BackupSheetView::cbBackupSelectAllClick() {
  for (int row = 0; row < DetailBackupListView.rowCount(); ++row) {
    (void)DetailBackupListView.SetChecked(row, cbBackupSelectAll.checked());
  }
}

void BackupSheetView::FullBackupBtnClick() {
  TRegBackupForm form(services_, dm_);
  (void)services_.windows.ShowModal(form);
}

void BackupSheetView::RestoreRegistryBtnClick() {
  RestoreSelectedBackup(services_, BackupDataListView);
}

void BackupSheetView::RemoveBackupBtnClick() {
  RemoveSelectedBackup(services_, BackupDataListView);
}

}  // namespace halvex::app
