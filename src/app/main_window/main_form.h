#pragma once
// THalvexMainForm: the main window. A picture header with its small buttons, the left panel
// with the three large sheet buttons and the tool links, and the notebook MainNotebook with
// the scan, backup and "Advanced" sheets; the tool windows open inside the Advanced sheet.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "app/backup_sheet/backup_sheet.h"
#include "app/options/scheduled_scan.h"
#include "app/scan_sheet/repair_sheet_driver.h"
#include "app/scan_sheet/results_view.h"
#include "app/scan_sheet/scan_sheet.h"
#include "app/scan_sheet/scan_sheet_driver.h"
#include "app/shared/data_module.h"
#include "app/startup/program_actions.h"
#include "model/scan_model.h"
#include "model/settings.h"
#include "tools/tool_host.h"
#include "ui/label.h"
#include "ui/notebook.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/program_services.h"
#include "ui/tray_icon.h"

namespace halvex::app {

class THalvexMainForm : public ui::Form {
 public:
  static constexpr int kWidth = 700;
  static constexpr int kHeight = 540;
  static constexpr int kHeaderHeight = 91;
  static constexpr int kLeftPanelWidth = 159;
  // The part of the header's right picture above its buttons, which moves the window.
  static constexpr int kHeaderDragHeight = 66;

  // The window runs with `settings`; a non-blank `startArgument` scans after the first
  // activation. `hooks` are the program's own steps unless a test fills them.
  THalvexMainForm(const ui::ProgramServices& services, TDM& dm, model::TMyRegistryInfo settings,
                  std::string startArgument, ProgramHooks hooks = {});
  ~THalvexMainForm() override;

  // The sheet buttons; each does nothing while a long operation runs.
  void ScanBtnClick();
  void BackupBtnClick();
  void AdvanceBtnClick();
  // The tool links and the Advanced sheet's pairs.
  void OpenTool(tools::ToolKind kind);
  void MinimizeBtnClick();
  void CloseBtnClick();
  void HelpBtnClick();
  void OptionsBtnClick();
  void AboutBtnClick();
  // The home link at the bottom of the left panel: the vendor's home page, not the setting.
  void abHomeURLClick();
  // The tray menu.
  void OpenMenuClick();
  void Home1Click();
  void Exit1Click();

  tools::ToolHost& tools() { return tools_; }
  // The settings record the program consults while it runs.
  model::TMyRegistryInfo& settings() { return settings_; }
  // The task scheduler the preferences made, held until the program ends.
  const SchedulerSession& schedulerSession() const { return schedulerSession_; }
  // The problem collections, the ignore list, the excluded drives and the abort flag, which the
  // main window owns for the whole run.
  model::ScanModel& scanModel() { return scanModel_; }
  ScanSheet& scanSheet() { return *scanSheet_; }
  ResultsView& results() { return *results_; }
  ScanSheetDriver* scanDriver() { return scanDriver_.get(); }
  RepairSheetDriver* repairDriver() { return repairDriver_.get(); }
  BackupSheetView* backupSheet() { return backupSheet_.get(); }
  const ui::TrayIcon& trayIcon() const { return trayIcon_; }
  ui::Label& ToolLink(tools::ToolKind kind) { return toolLinks_[static_cast<std::size_t>(kind)]; }
  struct AdvancedPair {
    ui::Picture image;
    ui::Label label;
    explicit AdvancedPair(int number);
  };
  AdvancedPair& Pair(tools::ToolKind kind) { return pairs_[static_cast<std::size_t>(kind)]; }

  ui::Panel HeaderPanel{"HeaderPanel"};
  ui::Picture HeaderLeftImage{"HeaderLeftImage"};
  ui::Picture HeaderRightImage{"HeaderRightImage"};
  ui::Picture HelpBtn{"HelpBtn"};
  ui::Picture OptionsBtn{"OptionsBtn"};
  ui::Picture AboutBtn{"AboutBtn"};
  ui::Picture MinimizeBtn{"MinimizeBtn"};
  ui::Picture CloseBtn{"CloseBtn"};

  ui::Panel LeftPanel{"LeftPanel"};
  ui::Picture ScanBtn{"ScanBtn"};
  ui::Picture BackupBtn{"BackupBtn"};
  ui::Picture AdvanceBtn{"AdvanceBtn"};
  ui::Picture abHomeURL{"abHomeURL"};

  ui::Notebook MainNotebook{"MainNotebook"};
  ui::Panel ScanSheetPage{"ScanSheet"};
  ui::Panel BackupSheet{"BackupSheet"};
  ui::Label abBackupTitle{"abBackupTitle", "Registry backups"};
  ui::Panel AdvancedSheet{"AdvancedSheet"};
  ui::Panel AdvancePanel{"AdvancePanel"};
  ui::Label abAdvTitle{"abAdvTitle", "Advanced tools"};
  ui::Label abOnlyXPMsg{"abOnlyXPMsg", "(for Windows 2000 and XP)"};

 private:
  void BuildHeader();
  void BuildLeftPanel();
  void BuildSheets();
  void BuildAdvancedSheet();
  void BindTrayMenu();
  // Fills each hook a test left empty with the program's own step.
  void UseTheProgramsOwnSteps();
  void FormCreate();

  // The common first steps of the three sheet buttons; false while they must do nothing.
  bool BeginSheetChange(ui::Picture& pressed);
  void SetLinkUnderlines(const tools::ToolKind* underlined);
  bool OnProgramMessage(std::uint32_t message, std::intptr_t lParam);
  void TrayMessage(std::intptr_t event);
  void QuitRequest();
  // Both ways of ending the program: a running scan stops at its next entry, the selections of
  // the result list and the backup list are cleared, and the message loop ends.
  void EndProgram();
  void FirstActivation();

  ui::ProgramServices services_;
  TDM& dm_;
  model::TMyRegistryInfo settings_;
  std::string startArgument_;
  ProgramHooks hooks_;
  SchedulerSession schedulerSession_;
  model::ScanModel scanModel_;
  std::array<ui::Label, tools::kToolCount> toolLinks_;
  std::array<AdvancedPair, tools::kToolCount> pairs_;
  std::unique_ptr<ScanSheet> scanSheet_;
  std::unique_ptr<ResultsView> results_;
  std::unique_ptr<ScanSheetDriver> scanDriver_;
  std::unique_ptr<RepairSheetDriver> repairDriver_;
  std::unique_ptr<BackupSheetView> backupSheet_;
  tools::ToolHost tools_{AdvancePanel, services_};
  ui::TrayIcon trayIcon_;
  bool trayIconAdded_ = false;
  bool firstActivation_ = true;
};

}  // namespace halvex::app
