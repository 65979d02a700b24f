// The main window's behaviour: navigation between the sheets, opening the tools, the header
// buttons, the tray icon and its messages.
#include "app/main_window/main_form.h"

#include "app/main_window/about_form.h"
#include "app/shared/browser.h"
#include "app/shared/link_style.h"
#include "app/shared/product.h"
#include "model/text_format.h"
#include "model/vendor_config.h"

namespace halvex::app {

namespace {

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

THalvexMainForm::~THalvexMainForm() {
  // FormDestroy: the icon goes with the window.
  if (trayIconAdded_) services_.windows.RemoveTrayIcon(trayIcon_, *this);
  tools_.DestroyAll();
  // The menu belongs to the data module, which outlives this window.
  for (ui::MenuItem& item : dm_.MainPopupMenu.items) item.onClick = nullptr;
}

void THalvexMainForm::FormCreate() {
  firstActivation_ = true;
  SetRoundedRegion(24, 24, 2);
  // The collections of the scan model live as long as the window; the drives the file checks
  // skip are listed once.
  scanModel_.ExcludedDrives =
      model::BuildExcludedDriveList(services_.platform.files, scanModel_.abortFlag);
  MainNotebook.SetPageIndex(0);
  scanSheet_->ScanNotebook.SetPageIndex(scanSheet_->ScanNotebook.PageIndexOf("ScanSections"));
  scanSheet_->SetScanPageState(ScanPageState::First);

  trayIcon_.id = 0;
  trayIcon_.callbackMessage = kTrayMessage;
  trayIcon_.iconResource = "MAINICON";
  trayIcon_.SetTip(caption());
  trayIconAdded_ = services_.windows.AddTrayIcon(trayIcon_, *this);
  // Where user account control runs the copy that stays elevated, a second start and the quit
  // request come from less privileged programs: let exactly their two messages through.
  services_.windows.AllowMessagesFromOtherPrograms(*this, {kRestoreMessage, kTrayMessage});

  SetCaption(model::FormatText("%s v%s", kProductName, kVersion));
  AboutBtn.SetImageIndex(6);

  onResize = [this] { SetRoundedRegion(24, 24, 2); };
  onClose = [this](ui::CloseAction& action) {
    // Closing only hides the program in the tray; without an icon there (the taskbar was not
    // ready) it stays a taskbar button, or nothing could bring it back.
    action = ui::CloseAction::None;
    services_.windows.MinimizeApplication();
    if (trayIconAdded_) services_.windows.HideTaskbarButton();
  };
  // A restarted taskbar has lost the icon.
  onTaskbarCreated = [this] { trayIconAdded_ = services_.windows.AddTrayIcon(trayIcon_, *this); };
  onActivate = [this] { FirstActivation(); };
  onMessage = [this](std::uint32_t message, std::uintptr_t, std::intptr_t lParam) {
    return OnProgramMessage(message, lParam);
  };
}

bool THalvexMainForm::BeginSheetChange(ui::Picture& pressed) {
  if (services_.busy.busy()) return false;
  tools_.DestroyAll();
  ScanBtn.SetImageIndex(&pressed == &ScanBtn ? 0 : 1);
  BackupBtn.SetImageIndex(&pressed == &BackupBtn ? 2 : 3);
  AdvanceBtn.SetImageIndex(&pressed == &AdvanceBtn ? 4 : 5);
  const bool advanced = &pressed == &AdvanceBtn;
  for (const tools::ToolEntry& tool : tools::kTools) {
    if (!tool.hidden) ToolLink(tool.kind).SetVisible(advanced);
  }
  return true;
}

void THalvexMainForm::ScanBtnClick() {
  if (!BeginSheetChange(ScanBtn)) return;
  scanModel_.abortFlag = model::abort_flag::kRun;
  scanSheet_->ScanNotebook.SetPageIndex(scanSheet_->ScanNotebook.PageIndexOf("ScanSections"));
  scanSheet_->SetScanPageState(ScanPageState::First);
  MainNotebook.SetPageIndex(0);
}

void THalvexMainForm::BackupBtnClick() {
  if (!BeginSheetChange(BackupBtn)) return;
  hooks_.fillBackupList();
  MainNotebook.SetPageIndex(1);
}

void THalvexMainForm::AdvanceBtnClick() {
  if (!BeginSheetChange(AdvanceBtn)) return;
  SetLinkUnderlines(nullptr);
  MainNotebook.SetPageIndex(2);
}

void THalvexMainForm::SetLinkUnderlines(const tools::ToolKind* underlined) {
  for (const tools::ToolEntry& tool : tools::kTools) {
    link_style::SetUnderline(ToolLink(tool.kind),
                             underlined != nullptr && *underlined == tool.kind);
  }
}

void THalvexMainForm::OpenTool(tools::ToolKind kind) {
  // A tool's long loop may be running in the tool shown now; opening another tool would take
  // its place under it.
  if (services_.busy.busy() || tools_.AnyHoldsToolLinks()) return;
  const tools::ToolEntry& tool = tools::ToolEntryOf(kind);
  const platform::PlatformClass platformClass = dm_.platformClass();
  if (!tools::OpensOn(tool, platformClass)) {
    if (platformClass == platform::PlatformClass::Windows95Family &&
        tool.platform.windows95Message != nullptr) {
      (void)services_.desktop.messages.Show(tool.platform.windows95Message, kProductName,
                                            platform::MessageButtons::Ok,
                                            platform::MessageIcon::Warning);
    }
    return;
  }
  SetLinkUnderlines(&kind);
  tools_.Open(kind);
}

void THalvexMainForm::MinimizeBtnClick() {
  services_.windows.MinimizeApplication();
}

void THalvexMainForm::CloseBtnClick() {
  Close();
}

void THalvexMainForm::HelpBtnClick() {
  // A browser that does not open leaves the window as it is.
  (void)OpenUrlInBrowser(services_.desktop.processes, settings_.HelpURL);
}

void THalvexMainForm::OptionsBtnClick() {
  hooks_.showOptions(settings_);
}

void THalvexMainForm::AboutBtnClick() {
  TAboutForm about(services_.desktop.processes, settings_.HomePage, dm_.LogoImageList);
  (void)services_.windows.ShowModal(about);
}

void THalvexMainForm::abHomeURLClick() {
  (void)OpenUrlInBrowser(services_.desktop.processes, model::kVendorHomePage);
}

void THalvexMainForm::OpenMenuClick() {
  services_.windows.RestoreApplication();
}

void THalvexMainForm::Home1Click() {
  (void)OpenUrlInBrowser(services_.desktop.processes, settings_.HomePage);
}

void THalvexMainForm::Exit1Click() {
  EndProgram();
}

bool THalvexMainForm::OnProgramMessage(std::uint32_t message, std::intptr_t lParam) {
  if (message == kRestoreMessage) {
    // Only a copy hidden in the tray or minimized comes back; a visible one stays as it is.
    if (services_.windows.IsApplicationMinimized()) services_.windows.RestoreApplication();
    return true;
  }
  if (message == kTrayMessage) {
    TrayMessage(lParam);
    return true;
  }
  return false;
}

void THalvexMainForm::TrayMessage(std::intptr_t event) {
  switch (event) {
    case tray_event::kLeftDoubleClick:
      OpenMenuClick();
      break;
    case tray_event::kRightButtonDown:
      services_.windows.ShowPopupMenu(dm_.MainPopupMenu, services_.windows.CursorPosition());
      break;
    case tray_event::kQuitRequest:
      QuitRequest();
      break;
    default:
      break;
  }
}

void THalvexMainForm::QuitRequest() {
  EndProgram();
}

void THalvexMainForm::EndProgram() {
  // A running scan stops at its next entry; the program ends once its handler has returned.
  scanModel_.abortFlag = model::abort_flag::kStopScan;
  results_->RepairGrid.SetSelectedIndex(ui::ListView::kNone);
  if (backupSheet_) backupSheet_->BackupDataListView.SetSelectedIndex(ui::ListView::kNone);
  services_.windows.Terminate();
}

void THalvexMainForm::FirstActivation() {
  if (!firstActivation_) return;
  firstActivation_ = false;
  if (IsBlank(startArgument_)) return;
  services_.desktop.pump.SleepPumping(1000);
  if (!services_.windows.terminated()) hooks_.scanNow();
}

void THalvexMainForm::BindTrayMenu() {
  ui::PopupMenu& menu = dm_.MainPopupMenu;
  menu.Item("OpenMenu")->onClick = [this] { OpenMenuClick(); };
  menu.Item("Home1")->onClick = [this] { Home1Click(); };
  menu.Item("About1")->onClick = [this] { AboutBtnClick(); };
  menu.Item("OnlineUpdate1")->onClick = [this] { hooks_.checkForUpdate(); };
  menu.Item("Exit1")->onClick = [this] { Exit1Click(); };
}

}  // namespace halvex::app
