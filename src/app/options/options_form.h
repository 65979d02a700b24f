#pragma once
// TFormOptions, the preferences dialog: the pages "General Settings", "Ignore List" and
// "Scheduling", OK and Cancel. Every page is loaded when the dialog shows and again when the
// user turns to it, so changes not confirmed with OK are lost; OK saves the general settings
// and the schedule. The scheduler and its current task belong to the program run (the session
// handed in); the settings record is the program's.
#include <string>

#include "app/options/general_settings_page.h"
#include "app/options/scheduled_scan.h"
#include "model/ignore_file_editor.h"
#include "model/settings.h"
#include "platform/http_client.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "platform/process_starter.h"
#include "platform/task_scheduler.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/notebook.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/spin_edit.h"
#include "ui/tab_sheet.h"
#include "ui/time_picker.h"
#include "ui/window_system.h"

namespace halvex::app {

struct OptionsServices {
  platform::Platform& platform;
  platform::MessageBoxes& messages;
  platform::ProcessStarter& processes;
  platform::HttpClient& http;
  platform::TaskSchedulerService& schedulers;
  ui::WindowSystem& windows;
  std::string executablePath;
  std::string updateServer;  // scheme and host of the update server
};

class TFormOptions : public ui::Form {
 public:
  static constexpr int kWidth = 523;
  static constexpr int kHeight = 355;

  // FormCreate: makes the run's scheduler if it has none (a failure is shown and disables the
  // "Scheduling" page) and shows the first page.
  TFormOptions(OptionsServices services, SchedulerSession& session,
               model::TMyRegistryInfo& settings);

  void FormShow();
  void MainPageControlChange();
  void BitBtn1Click();
  void CheckUpdateBtnClick();
  void cbActiveTaskClick();
  void RemoveSelectBtnClick();

  ui::TabControl MainPageControl{"MainPageControl"};
  ui::Button BitBtn1{"BitBtn1", "OK"};
  ui::Button BtnCancel{"BtnCancel", "Cancel"};

  ui::TabSheet GeneralSheet{"GeneralSheet", "General Settings"};
  ui::GroupBox ScheduleOptionsGroup{"ScheduleOptionsGroup", "Schedule Options"};
  ui::CheckBox ChkRun{"ChkRun", "Run at windows startup"};
  ui::GroupBox RemovalOptionsGroup{"RemovalOptionsGroup", "Removal Options"};
  ui::CheckBox ChkAutoBackup{
      "ChkAutoBackup",
      "Do not automatically create registry backup before repairing registry. (Not recommended)"};
  ui::CheckBox ChkCheckItem{"ChkCheckItem", "Automatically select all items after scan"};
  ui::GroupBox CheckUpdateGroup{"CheckUpdateGroup", "Check Update"};
  ui::CheckBox cbCheckUpdate{"cbCheckUpdate", "Check for Hal Vex update automatically"};
  ui::Label LabelVer{"LabelVer"};
  ui::Button CheckUpdateBtn{"CheckUpdateBtn", "Check for Update"};

  ui::TabSheet IgnoreSheet{"IgnoreSheet", "Ignore List"};
  ui::ListView IgnoreListView{"IgnoreListView"};
  ui::Button RemoveSelectBtn{"RemoveSelectBtn", "Remove Selected"};

  ui::TabSheet SchedulingSheet{"SchedulingSheet", "Scheduling"};
  ui::Picture ImageTask{"ImageTask"};
  ui::Label abTaskName{"abTaskName"};
  ui::Label abScheduleDaily{"abScheduleDaily", "Schedule Task: Daily"};
  ui::Label abStartTimes{"abStartTimes", "Start times:"};
  ui::TimePicker dtpStartTime{"dtpStartTime"};
  ui::GroupBox DailyGroup{"DailyGroup", "Schedule Task Daily:"};
  ui::Label abEvent{"abEvent", "Event"};
  ui::SpinEdit SpinEditDays{"SpinEditDays", 1, 31};
  ui::Label abDays{"abDays", "day(s)"};
  ui::CheckBox cbActiveTask{"cbActiveTask", "Active Schedule"};

 private:
  void BuildGeneralSheet();
  void BuildIgnoreSheet();
  void BuildSchedulingSheet();

  void LoadGeneralPage();
  void ListIgnoreEntries();
  void LoadSchedulePage();
  GeneralSettingsPage ReadGeneralPage() const;
  SchedulePage ReadSchedulePage() const;
  void ShowSchedulePage(const SchedulePage& page);
  ScheduleServices Schedules() const;

  OptionsServices services_;
  SchedulerSession& session_;
  model::TMyRegistryInfo& settings_;
  model::IgnoreFileListing ignoreListing_;
  bool schedulerAvailable_ = false;
  // True while a loaded schedule is put into the controls: the box's handler must not run then.
  bool showingSchedule_ = false;
};

}  // namespace halvex::app
