#pragma once
// What the scan sheet does after a scan: Repair (the first full backup offer, the repair
// backup and its message, the repair dialog over the repair driver of the scan engine), the
// "Finish" page's list FinishListView of the repair records, and Finish. The repair itself is
// the same as halvex-cli's; this class is its front end on the sheet.
#include <memory>
#include <optional>
#include <vector>

#include "app/backup_services.h"
#include "app/data_module.h"
#include "app/repair_dialog_form.h"
#include "app/results_view.h"
#include "app/scan_sheet.h"
#include "model/scan_model.h"
#include "model/settings.h"
#include "repair/repair_driver.h"
#include "ui/busy_state.h"
#include "ui/list_view.h"

namespace halvex::app {

struct RepairSheetServices {
  BackupServices backup;
  ui::BusyState& busy;
  // The settings record of the program: the repair clears its OneTime flag.
  model::TMyRegistryInfo& settings;
  // The main window, which takes no input while the repair dialog exists.
  ui::Control& mainWindow;
};

class RepairSheetDriver final : private scan::RepairConversation, private scan::RepairFrontEnd {
 public:
  RepairSheetDriver(ScanSheet& sheet, ResultsView& results, TDM& dm, model::ScanModel& model,
                    RepairSheetServices services);
  RepairSheetDriver(const RepairSheetDriver&) = delete;
  RepairSheetDriver& operator=(const RepairSheetDriver&) = delete;

  void RepairBtnClick();
  void FinishBtnClick();
  // The finish list takes the repair records' count again (after a scan that found nothing).
  void RefreshFinishList();

  // FinishListViewData: row i is repair record i.
  ui::ListRow FinishListViewData(int row) const;
  // The section numbers of the result list's rows, top to bottom.
  std::vector<int> ResultRowSections() const;

  // The repair dialog while a repair runs; nullptr otherwise.
  TRepairDialogForm* repairDialog() { return dialog_.get(); }
  // What the last Repair did; nothing before the first.
  const std::optional<scan::RepairRun>& lastRun() const { return lastRun_; }

  ui::ListView FinishListView{"FinishListView"};

 private:
  // RepairConversation
  void OfferFirstFullBackup() override;
  void Inform(std::string_view message) override;
  bool AskYesNo(std::string_view question) override;
  void RepairStarted() override;
  void RepairEnded() override;
  scan::RepairFrontEnd& frontEnd() override { return *this; }
  // RepairFrontEnd
  void ShowRepairProgress(std::string_view text) override;
  void ShowRepairCount(std::size_t count) override;
  void ProcessMessages() override;

  ScanSheet& sheet_;
  ResultsView& results_;
  TDM& dm_;
  model::ScanModel& model_;
  RepairSheetServices services_;
  std::unique_ptr<TRepairDialogForm> dialog_;
  std::optional<scan::RepairRun> lastRun_;
};

}  // namespace halvex::app
