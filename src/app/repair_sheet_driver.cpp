#include "app/repair_sheet_driver.h"

#include "app/first_full_backup_dialog.h"
#include "app/product.h"
#include "repair/finish_list.h"

namespace halvex::app {
namespace {

constexpr int kStatusWidth = 120;

ui::Color ColourOf(scan::StatusColour colour) {
  return ui::Color::Rgb(colour.red, colour.green, colour.blue);
}

}  // namespace

RepairSheetDriver::RepairSheetDriver(ScanSheet& sheet, ResultsView& results, TDM& dm,
                                     model::ScanModel& model, RepairSheetServices services)
    : sheet_(sheet), results_(results), dm_(dm), model_(model), services_(services) {
  const ui::Rect page = sheet_.ScanNotebook.bounds();
  FinishListView.SetBounds(ui::Rect::At(8, 6, page.width() - 16, page.height() - 12));
  FinishListView.SetColumns({{"Section Name", page.width() - 16 - kStatusWidth - 20},
                             {"Status", kStatusWidth, ui::TextAlign::Center}});
  FinishListView.SetVirtualRowCount(0);
  FinishListView.onData = [this](int row) { return FinishListViewData(row); };
  // FinishListViewCustomDrawSubItem: the status red when it holds "Error", else green.
  FinishListView.onCellTextColor = [this](int row, int column) -> std::optional<ui::Color> {
    if (column == 0 || row < 0 || static_cast<std::size_t>(row) >= model_.RepairContents.size()) {
      return ui::colors::kBlack;
    }
    return ColourOf(
        scan::StatusColourOf(model_.RepairContents[static_cast<std::size_t>(row)].Status));
  };
  sheet_.Finish.AddChild(FinishListView);

  sheet_.RepairBtn.onClick = [this] { RepairBtnClick(); };
  sheet_.FinishBtn.onClick = [this] { FinishBtnClick(); };
}

ui::ListRow RepairSheetDriver::FinishListViewData(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= model_.RepairContents.size()) return {};
  const model::TRepairRec& record = model_.RepairContents[static_cast<std::size_t>(row)];
  return ui::ListRow{record.KeyPath, {record.Status}};
}

std::vector<int> RepairSheetDriver::ResultRowSections() const {
  return results_.resultRowSections();
}

void RepairSheetDriver::RefreshFinishList() {
  FinishListView.SetVirtualRowCount(static_cast<int>(model_.RepairContents.size()));
  FinishListView.Invalidate();
}

void RepairSheetDriver::RepairBtnClick() {
  if (services_.busy.busy()) return;
  const std::vector<int> rows = ResultRowSections();
  if (rows.empty()) return;
  const ui::BusyState::Scope busy = services_.busy.Busy();
  lastRun_ = scan::RunRepair(
      {services_.backup.platform, dm_.platformClass(), model_, services_.settings}, rows, *this);
  if (!lastRun_->repaired) return;  // the user kept the registry as it is

  RefreshFinishList();
  FinishListView.SetColumnWidth(
      0, FinishListView.bounds().width() - FinishListView.columns().at(1).width - 20);
  ui::Notebook& pages = sheet_.ScanNotebook;
  pages.SetPageIndex(pages.PageIndexOf("ScanSections") + 2);
  sheet_.SetScanPageState(ScanPageState::Finish);
}

void RepairSheetDriver::FinishBtnClick() {
  scan::FinishRepair(model_, dm_.ScanTimer.enabled());
  results_.Clear();
  RefreshFinishList();
  sheet_.ShowPanel.SetVisible(false);
  ui::Notebook& pages = sheet_.ScanNotebook;
  pages.SetPageIndex(pages.PageIndexOf("ScanSections"));
  sheet_.SetScanPageState(ScanPageState::First);
}

void RepairSheetDriver::OfferFirstFullBackup() {
  TFirstFullBackupDialog dialog(services_.backup);
  (void)services_.backup.windows.ShowModal(dialog);
}

void RepairSheetDriver::Inform(std::string_view message) {
  (void)services_.backup.desktop.messages.Show(message, kProductName, platform::MessageButtons::Ok,
                                               platform::MessageIcon::Information);
}

bool RepairSheetDriver::AskYesNo(std::string_view question) {
  return services_.backup.desktop.messages.Show(
             question, kProductName, platform::MessageButtons::YesNo,
             platform::MessageIcon::Warning) == platform::MessageAnswer::Yes;
}

void RepairSheetDriver::RepairStarted() {
  dialog_ = std::make_unique<TRepairDialogForm>(model_);
  services_.mainWindow.SetEnabled(false);
  services_.backup.windows.Show(*dialog_);
  services_.backup.windows.Repaint(*dialog_);
}

void RepairSheetDriver::RepairEnded() {
  dialog_->SetVisible(false);
  dialog_.reset();
  services_.mainWindow.SetEnabled(true);
}

void RepairSheetDriver::ShowRepairProgress(std::string_view text) {
  if (dialog_) dialog_->abRepair.SetCaption(std::string(text));
}

void RepairSheetDriver::ShowRepairCount(std::size_t) {
  RefreshFinishList();
}

void RepairSheetDriver::ProcessMessages() {
  services_.backup.desktop.pump.ProcessMessages();
}

}  // namespace halvex::app
