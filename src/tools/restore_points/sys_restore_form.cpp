#include "tools/restore_points/sys_restore_form.h"

#include "tools/restore_points/input_box.h"
#include "tools/restore_points/restore_point_rows.h"
#include "tools/tool_messages.h"
#include "ui/product_name.h"

namespace halvex::tools {
namespace {

constexpr int kTimeWidth = 160;

}  // namespace

TSysRestoreForm::TSysRestoreForm(const ui::ProgramServices& services)
    : ToolWindow("SysRestoreForm", "TSysRestoreForm"), services_(services) {
  SetBounds(ui::Rect::At(0, 0, 688, 453));
  PicturePanel.SetBounds(ui::Rect::At(0, 0, 120, 449));
  RestoreListView.SetBounds(ui::Rect::At(128, 8, 405, 392));
  RestoreListView.SetColumns({{"Description", 226}, {"Backup Time", kTimeWidth}});
  BackupButton.SetBounds(ui::Rect::At(128, 414, 150, 25));
  RefreshButton.SetBounds(ui::Rect::At(286, 414, 80, 25));
  RestoreButton.SetBounds(ui::Rect::At(370, 414, 80, 25));
  DeleteButton.SetBounds(ui::Rect::At(454, 414, 80, 25));
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&PicturePanel, &RestoreListView, &BackupButton,
                                           &RefreshButton, &RestoreButton, &DeleteButton}) {
    AddChild(*control);
  }
  BackupButton.onClick = [this] { BackupButtonClick(); };
  RefreshButton.onClick = [this] { ListRestorePoints(); };
  RestoreButton.onClick = [this] { RestoreButtonClick(); };
  DeleteButton.onClick = [this] { DeleteButtonClick(); };
  onShow = [this] { FormShow(); };
  onResize = [this] { FitColumns(); };
}

void TSysRestoreForm::FitColumns() {
  RestoreListView.SetColumnWidth(0, RestoreListView.bounds().width() - kTimeWidth - 19);
}

void TSysRestoreForm::FormShow() {
  FitColumns();
  ListRestorePoints();
}

void TSysRestoreForm::ListRestorePoints() {
  RestoreListView.Clear();
  const restore_points::RestorePointList list = restore_points::ListRestorePoints(
      services_.restorePoints, services_.platform.clock, services_.platform.locale);
  for (const restore_points::RestorePointRow& row : list.rows) {
    RestoreListView.AddRow(
        {.caption = row.description, .subItems = {row.time, row.sequenceNumber}});
  }
  if (!list.error.empty()) services_.desktop.messages.ShowError(list.error);
}

std::optional<std::uint32_t> TSysRestoreForm::SelectedSequence() const {
  const int selected = RestoreListView.selectedIndex();
  if (selected == ui::ListView::kNone) return std::nullopt;
  return restore_points::SequenceOf(RestoreListView.SubItem(selected, 1));
}

bool TSysRestoreForm::Answered(const platform::RestorePointAnswer& answer) {
  if (!answer.raised()) return true;
  services_.desktop.messages.ShowError(answer.error);
  return false;
}

void TSysRestoreForm::BackupButtonClick() {
  const std::optional<std::string> name =
      InputBox(services_.windows, "Please Enter", "System Backup Name", "");
  if (!name) return;
  const platform::RestorePointAnswer answer = services_.restorePoints.Create(
      *name, platform::kApplicationInstall, platform::kBeginSystemChange);
  if (!Answered(answer)) return;
  if (answer.result == 0) {
    ShowPlainMessage(services_.desktop.messages, "System backup succeed!");
    ListRestorePoints();
  } else {
    ShowPlainMessage(services_.desktop.messages, "System backup failed!");
  }
}

void TSysRestoreForm::RestoreButtonClick() {
  const std::optional<std::uint32_t> sequence = SelectedSequence();
  if (!sequence) return;
  const platform::RestorePointAnswer answer = services_.restorePoints.Restore(*sequence);
  if (!Answered(answer)) return;
  if (answer.result == 0) {
    const platform::MessageAnswer restart = services_.desktop.messages.Show(
        "System was successfully restored.\rYou have to reboot you PC to enable the changes.",
        ui::kProductName, platform::MessageButtons::YesNo, platform::MessageIcon::Warning);
    if (restart == platform::MessageAnswer::Yes) {
      services_.restorePoints.Restart(platform::kRestartFlags);
      return;
    }
  } else {
    ShowPlainMessage(services_.desktop.messages, "System restore failed!");
  }
  ListRestorePoints();
}

void TSysRestoreForm::DeleteButtonClick() {
  const std::optional<std::uint32_t> sequence = SelectedSequence();
  if (!sequence) return;
  const platform::RestorePointAnswer answer = services_.restorePoints.Delete(*sequence);
  if (!Answered(answer)) return;
  ShowPlainMessage(services_.desktop.messages,
                   answer.result == 0 ? "Remove succeed!" : "Remove failed!");
  ListRestorePoints();
}

std::unique_ptr<ToolWindow> MakeSysRestoreWindow(const ui::ProgramServices& services) {
  return std::make_unique<TSysRestoreForm>(services);
}

}  // namespace halvex::tools
