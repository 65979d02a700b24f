#pragma once
// THalvexMainForm: the main window. A picture header with its small buttons, the left panel
// with the three large sheet buttons and the tool links, and the notebook MainNotebook with
// the scan, backup and "Advanced" sheets; the tool windows open inside the Advanced sheet.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "app/backup_sheet.h"
#include "app/data_module.h"
#include "app/repair_sheet_driver.h"
#include "app/results_view.h"
#include "app/scan_sheet.h"
#include "app/scan_sheet_driver.h"
#include "app/tool_host.h"
#include "model/scan_model.h"
#include "model/settings.h"
#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "ui/busy_state.h"
#include "ui/label.h"
#include "ui/notebook.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/tray_icon.h"
#include "ui/window_system.h"

namespace halvex::app {

struct MainFormServices {
  ui::WindowSystem& windows;
  platform::Desktop& desktop;
  platform::FileSystem& files;
  ui::BusyState& busy;
  TDM& dm;
  model::TMyRegistryInfo settings;
  std::string startArgument;
  // The machine the scan reads and repairs; without one the scan sheet shows but does not scan
  // (tests of the navigation need none).
  platform::Platform* platform = nullptr;
  // Where the registry editor runs for backups and restores; with the machine, it gives the
  // scan sheet its repair and the backup sheet its list and buttons.
  platform::ProcessRunner* processRunner = nullptr;
};

// What other parts of the program do when the main window asks; each may stay empty.
struct MainFormHooks {
  // The preferences dialog, which changes the program's settings record.
  std::function<void(model::TMyRegistryInfo& settings)> showOptions{};
  std::function<void()> fillBackupList{};  // the backup sheet's list, before the sheet shows
  std::function<void()> checkForUpdate{};  // the tray menu's "Update online"
  std::function<void()> scanNow{};         // the automatic scan of a start with an argument
};

class THalvexMainForm : public ui::Form {
 public:
  static constexpr int kWidth = 700;
  static constexpr int kHeight = 540;
  static constexpr int kHeaderHeight = 91;
  static constexpr int kLeftPanelWidth = 159;
  // The part of the header's right picture above its buttons, which moves the window.
  static constexpr int kHeaderDragHeight = 66;

  THalvexMainForm(MainFormServices services, MainFormHooks hooks = {});
  ~THalvexMainForm() override;

  // The sheet buttons; each does nothing while a long operation runs.
  void ScanBtnClick();
  void BackupBtnClick();
  void AdvanceBtnClick();
  // The tool links and the Advanced sheet's pairs.
  void OpenTool(ToolKind kind);
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

  ToolHost& tools() { return tools_; }
  // The settings record the program consults while it runs.
  model::TMyRegistryInfo& settings() { return services_.settings; }
  // The problem collections, the ignore list, the excluded drives and the abort flag, which the
  // main window owns for the whole run.
  model::ScanModel& scanModel() { return scanModel_; }
  ScanSheet& scanSheet() { return *scanSheet_; }
  ResultsView& results() { return *results_; }
  // nullptr without a machine to scan.
  ScanSheetDriver* scanDriver() { return scanDriver_.get(); }
  // nullptr without a machine and a registry editor.
  RepairSheetDriver* repairDriver() { return repairDriver_.get(); }
  BackupSheetView* backupSheet() { return backupSheet_.get(); }
  const ui::TrayIcon& trayIcon() const { return trayIcon_; }
  ui::Label& ToolLink(ToolKind kind) { return toolLinks_[static_cast<std::size_t>(kind)]; }
  struct AdvancedPair {
    ui::Picture image;
    ui::Label label;
    explicit AdvancedPair(int number);
  };
  AdvancedPair& Pair(ToolKind kind) { return pairs_[static_cast<std::size_t>(kind)]; }

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
  void FormCreate();

  // The common first steps of the three sheet buttons; false while they must do nothing.
  bool BeginSheetChange(ui::Picture& pressed);
  void SetLinkUnderlines(ToolKind* underlined);
  bool OnProgramMessage(std::uint32_t message, std::intptr_t lParam);
  void TrayMessage(std::intptr_t event);
  void QuitRequest();
  // Both ways of ending the program: a running scan stops at its next entry, the selections of
  // the result list and the backup list are cleared, and the message loop ends.
  void EndProgram();
  void FirstActivation();

  MainFormServices services_;
  MainFormHooks hooks_;
  model::ScanModel scanModel_;
  std::array<ui::Label, kToolCount> toolLinks_;
  std::array<AdvancedPair, kToolCount> pairs_;
  std::unique_ptr<ScanSheet> scanSheet_;
  std::unique_ptr<ResultsView> results_;
  std::unique_ptr<ScanSheetDriver> scanDriver_;
  std::unique_ptr<RepairSheetDriver> repairDriver_;
  std::unique_ptr<BackupSheetView> backupSheet_;
  ToolHost tools_{AdvancePanel};
  ui::TrayIcon trayIcon_;
  bool trayIconAdded_ = false;
  bool firstActivation_ = true;
};

}  // namespace halvex::app
