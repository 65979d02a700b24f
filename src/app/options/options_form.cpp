#include "app/options/options_form.h"

#include "app/startup/update_check.h"

namespace halvex::app {

namespace {

constexpr int kBorder = 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
// The area the tab control leaves its pages below the tabs and inside its frame.
constexpr int kPageWidth = 499;
constexpr int kPageHeight = 274;

void Place(ui::Control& parent, ui::Control& child, int left, int top, int width, int height) {
  child.SetBounds(ui::Rect::At(left, top, width, height));
  parent.AddChild(child);
}

}  // namespace

TFormOptions::TFormOptions(OptionsServices services, SchedulerSession& session,
                           model::TMyRegistryInfo& settings)
    : ui::Form("FormOptions"),
      services_(std::move(services)),
      session_(session),
      settings_(settings) {
  borderStyle = ui::BorderStyle::Dialog;
  centred = true;
  SetCaption("Preferences");
  SetBounds(ui::Rect::At(0, 0, kWidth, kHeight));

  const int buttonTop = kHeight - kBorder - kButtonHeight;
  Place(*this, MainPageControl, kBorder, kBorder, kWidth - 2 * kBorder, buttonTop - 2 * kBorder);
  Place(*this, BitBtn1, kWidth - kBorder - 2 * kButtonWidth - kBorder, buttonTop, kButtonWidth,
        kButtonHeight);
  Place(*this, BtnCancel, kWidth - kBorder - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight);
  BitBtn1.isDefault = true;
  BitBtn1.modalResult = ui::ModalResult::Ok;
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  // BtnCancelClick: closes without saving (removals from the ignore list are saved already).
  BtnCancel.modalResult = ui::ModalResult::Cancel;

  for (ui::TabSheet* sheet : {&GeneralSheet, &IgnoreSheet, &SchedulingSheet}) {
    MainPageControl.AddPage(*sheet);
  }
  BuildGeneralSheet();
  BuildIgnoreSheet();
  BuildSchedulingSheet();
  MainPageControl.onChange = [this] { MainPageControlChange(); };
  onShow = [this] { FormShow(); };

  // FormCreate.
  schedulerAvailable_ = EnsureScheduler(Schedules(), session_);
  MainPageControl.SetPageIndex(0);
}

void TFormOptions::BuildGeneralSheet() {
  const int width = kPageWidth - 2 * kBorder;
  Place(GeneralSheet, ScheduleOptionsGroup, kBorder, kBorder, width, 48);
  Place(ScheduleOptionsGroup, ChkRun, 16, 20, 300, 17);
  Place(GeneralSheet, RemovalOptionsGroup, kBorder, 64, width, 84);
  // Two lines high: the long caption wraps.
  Place(RemovalOptionsGroup, ChkAutoBackup, 16, 18, width - 24, 30);
  Place(RemovalOptionsGroup, ChkCheckItem, 16, 54, width - 24, 17);
  Place(GeneralSheet, CheckUpdateGroup, kBorder, 156, width, 110);
  Place(CheckUpdateGroup, cbCheckUpdate, 16, 20, 300, 17);
  Place(CheckUpdateGroup, LabelVer, 16, 44, width - 28, 17);
  Place(CheckUpdateGroup, CheckUpdateBtn, 16, 72, 120, kButtonHeight);
  CheckUpdateBtn.onClick = [this] { CheckUpdateBtnClick(); };
}

void TFormOptions::BuildIgnoreSheet() {
  const int width = kPageWidth - 2 * kBorder;
  Place(IgnoreSheet, IgnoreListView, kBorder, kBorder, width,
        kPageHeight - 3 * kBorder - kButtonHeight);
  IgnoreListView.SetColumns({{"Category", 160}, {"Registry Key", width - 164}});
  Place(IgnoreSheet, RemoveSelectBtn, kPageWidth - kBorder - 120,
        kPageHeight - kBorder - kButtonHeight, 120, kButtonHeight);
  RemoveSelectBtn.onClick = [this] { RemoveSelectBtnClick(); };
}

void TFormOptions::BuildSchedulingSheet() {
  Place(SchedulingSheet, ImageTask, 16, 12, 32, 32);
  Place(SchedulingSheet, abTaskName, 56, 20, 300, 17);
  Place(SchedulingSheet, abScheduleDaily, 16, 60, 200, 17);
  Place(SchedulingSheet, abStartTimes, 16, 92, 80, 17);
  Place(SchedulingSheet, dtpStartTime, 100, 88, 80, 22);
  Place(SchedulingSheet, DailyGroup, 16, 124, 300, 56);
  Place(DailyGroup, abEvent, 12, 24, 40, 17);
  Place(DailyGroup, SpinEditDays, 56, 20, 50, 22);
  Place(DailyGroup, abDays, 112, 24, 60, 17);
  Place(SchedulingSheet, cbActiveTask, 16, 196, 200, 17);
  // Disabled at design, with the design values 09:30 and 1.
  (void)dtpStartTime.SetTime(9, 30);
  dtpStartTime.SetEnabled(false);
  SpinEditDays.SetEnabled(false);
  cbActiveTask.onClick = [this] { cbActiveTaskClick(); };
}

ScheduleServices TFormOptions::Schedules() const {
  return ScheduleServices{services_.schedulers, services_.messages, services_.platform.clock,
                          services_.executablePath};
}

void TFormOptions::FormShow() {
  LoadGeneralPage();
  ListIgnoreEntries();
  LoadSchedulePage();
}

void TFormOptions::MainPageControlChange() {
  const std::string page = MainPageControl.ActivePageName();
  if (page == GeneralSheet.name()) LoadGeneralPage();
  if (page == IgnoreSheet.name()) ListIgnoreEntries();
  if (page == SchedulingSheet.name()) LoadSchedulePage();
}

void TFormOptions::LoadGeneralPage() {
  const GeneralSettingsPage page =
      LoadGeneralSettings(services_.platform, services_.executablePath);
  ChkRun.SetChecked(page.ChkRun);
  ChkAutoBackup.SetChecked(page.ChkAutoBackup);
  ChkCheckItem.SetChecked(page.ChkCheckItem);
  cbCheckUpdate.SetChecked(page.cbCheckUpdate);
  LabelVer.SetCaption(page.LabelVer);
}

GeneralSettingsPage TFormOptions::ReadGeneralPage() const {
  GeneralSettingsPage page;
  page.ChkRun = ChkRun.checked();
  page.ChkAutoBackup = ChkAutoBackup.checked();
  page.ChkCheckItem = ChkCheckItem.checked();
  page.cbCheckUpdate = cbCheckUpdate.checked();
  page.LabelVer = LabelVer.caption();
  return page;
}

void TFormOptions::ListIgnoreEntries() {
  ignoreListing_ = model::ListIgnoreEntries(services_.platform.files);
  IgnoreListView.Clear();
  for (const model::IgnoreListRow& row : ignoreListing_.rows) {
    IgnoreListView.AddRow({row.category, {row.registryKey}});
  }
}

void TFormOptions::RemoveSelectBtnClick() {
  const int row = IgnoreListView.selectedIndex();
  if (row == ui::ListView::kNone) return;
  // A file that cannot be rewritten keeps the entry, and the row stays with it.
  if (!model::RemoveIgnoreListRow(services_.platform.files, ignoreListing_,
                                  static_cast<std::size_t>(row))) {
    return;
  }
  (void)IgnoreListView.DeleteRow(row);
}

void TFormOptions::LoadSchedulePage() {
  SchedulePage page = ReadSchedulePage();
  LoadSchedule(Schedules(), session_, page);
  if (!schedulerAvailable_) page.pageEnabled = false;
  ShowSchedulePage(page);
}

SchedulePage TFormOptions::ReadSchedulePage() const {
  SchedulePage page;
  page.cbActiveTask = cbActiveTask.checked();
  page.controlsEnabled = dtpStartTime.enabled();
  page.startHour = dtpStartTime.hour();
  page.startMinute = dtpStartTime.minute();
  page.SpinEditDays = SpinEditDays.value();
  page.abTaskName = abTaskName.caption();
  page.taskProgram = ImageTask.fileIcon();
  page.pageEnabled = SchedulingSheet.enabled();
  return page;
}

void TFormOptions::ShowSchedulePage(const SchedulePage& page) {
  showingSchedule_ = true;
  cbActiveTask.SetChecked(page.cbActiveTask);
  showingSchedule_ = false;
  dtpStartTime.SetEnabled(page.pageEnabled && page.controlsEnabled);
  SpinEditDays.SetEnabled(page.pageEnabled && page.controlsEnabled);
  (void)dtpStartTime.SetTime(page.startHour, page.startMinute);
  SpinEditDays.SetValue(page.SpinEditDays);
  abTaskName.SetCaption(page.abTaskName);
  ImageTask.SetFileIcon(page.taskProgram);
  // Without a scheduler nothing on the page can be used.
  SchedulingSheet.SetEnabled(page.pageEnabled);
  cbActiveTask.SetEnabled(page.pageEnabled);
}

void TFormOptions::cbActiveTaskClick() {
  if (showingSchedule_) return;
  SchedulePage page = ReadSchedulePage();
  ApplyActiveSchedule(page, services_.platform.clock);
  ShowSchedulePage(page);
}

void TFormOptions::BitBtn1Click() {
  SaveGeneralSettings(services_.platform, services_.executablePath, ReadGeneralPage(), settings_);
  // What the scheduler refused it has reported where it has a message for it; the dialog closes
  // either way.
  (void)SaveSchedule(Schedules(), session_, ReadSchedulePage());
}

void TFormOptions::CheckUpdateBtnClick() {
  const UpdateCheckServices update{services_.platform, services_.http, services_.messages,
                                   services_.processes, services_.updateServer};
  if (CheckForUpdateOnRequest(update) == UpdateCheckOutcome::UpdaterStarted) {
    // The updater replaces the program: it ends now.
    services_.windows.Terminate();
    SetModalResult(ui::ModalResult::Cancel);
  }
}

}  // namespace halvex::app
