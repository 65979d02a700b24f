#include "app/scheduled_scan.h"

#include <algorithm>
#include <vector>

#include "app/product.h"
#include "model/path_text.h"
#include "model/text_format.h"

namespace halvex::app {
namespace {

using platform::HResult;
using platform::Succeeded;

constexpr std::string_view kScanArgument = "-Scan";
constexpr std::string_view kTaskComment = "Runs Hal Vex at Scheduled Time.";
constexpr const char* kCreationError = "Error in ActiveX.CoCreateInstance.Error Code :%08X";
constexpr const char* kActivateError = "Error in SchedulingAgent.Activate.Error Code :%08X";
constexpr std::string_view kNoPersistenceError =
    "Error in  Task.QueryInterface(IID_IPersistFile, pIPersistFile):";

void ShowMessage(platform::MessageBoxes& messages, std::string_view text) {
  (void)messages.Show(text, kProductName, platform::MessageButtons::Ok,
                      platform::MessageIcon::None);
}

bool IsListed(platform::TaskScheduler& scheduler) {
  std::vector<std::string> names;
  if (!Succeeded(scheduler.EnumWorkItems(names))) return false;
  return std::find(names.begin(), names.end(), kScheduledTaskName) != names.end();
}

// Saving a task: a task without a persistence interface is reported.
HResult SaveTask(const ScheduleServices& services, platform::ScheduledTask& task) {
  const HResult saved = task.Save();
  if (saved == platform::hresult::kNoInterface) ShowMessage(services.messages, kNoPersistenceError);
  return saved;
}

// A new "Halvo.job" with the program's properties, saved once. A work item of that name that
// exists although it could not be opened is replaced.
HResult CreateTask(const ScheduleServices& services, platform::TaskScheduler& scheduler,
                   std::unique_ptr<platform::ScheduledTask>& task) {
  HResult created = scheduler.NewWorkItem(kScheduledTaskName, task);
  if (!Succeeded(created) && IsListed(scheduler) &&
      Succeeded(scheduler.Delete(kScheduledTaskName))) {
    created = scheduler.NewWorkItem(kScheduledTaskName, task);
  }
  if (!Succeeded(created) || !task) return created;

  const std::string& program = services.executablePath;
  // The scheduler's answers to these are not reported: a property it refuses (Wine has no task
  // flags) leaves a task that still runs.
  (void)task->SetApplicationName(program);
  (void)task->SetParameters(kScanArgument);
  (void)task->SetWorkingDirectory(model::FolderPart(program));
  (void)task->SetFlags(platform::work_item_flag::kRunOnlyIfLoggedOn);
  (void)task->SetTaskFlags(0);
  (void)task->SetComment(kTaskComment);
  (void)task->SetAccountInformation(services.schedulers.CurrentUserName());
  return SaveTask(services, *task);
}

platform::TaskTrigger DailyTrigger(const SchedulePage& page, platform::Clock& clock) {
  const platform::LocalTime today = clock.Now();
  platform::TaskTrigger trigger;
  trigger.beginYear = static_cast<std::uint16_t>(today.year);
  trigger.beginMonth = static_cast<std::uint16_t>(today.month);
  trigger.beginDay = static_cast<std::uint16_t>(today.day);
  trigger.startHour = static_cast<std::uint16_t>(page.startHour);
  trigger.startMinute = static_cast<std::uint16_t>(page.startMinute);
  trigger.type = platform::TriggerType::Daily;
  trigger.daysInterval = static_cast<std::uint16_t>(std::clamp(page.SpinEditDays, 1, 31));
  return trigger;
}

}  // namespace

bool EnsureScheduler(const ScheduleServices& services, SchedulerSession& session) {
  if (session.scheduler) return true;
  const HResult created = services.schedulers.CreateScheduler(session.scheduler);
  if (Succeeded(created) && session.scheduler) return true;
  session.scheduler.reset();
  ShowMessage(services.messages, model::FormatText(kCreationError, static_cast<unsigned>(created)));
  return false;
}

void SetActiveSchedule(SchedulePage& page, bool active, platform::Clock& clock) {
  if (page.cbActiveTask == active) return;
  page.cbActiveTask = active;
  ApplyActiveSchedule(page, clock);
}

void ApplyActiveSchedule(SchedulePage& page, platform::Clock& clock) {
  const bool active = page.cbActiveTask;
  page.controlsEnabled = active;
  if (active) {
    const platform::LocalTime now = clock.Now();
    page.startHour = now.hour;
    page.startMinute = now.minute;
  } else {
    page.startHour = 9;
    page.startMinute = 30;
  }
  page.SpinEditDays = 1;
}

void LoadSchedule(const ScheduleServices& services, SchedulerSession& session, SchedulePage& page) {
  SetActiveSchedule(page, false, services.clock);
  page.abTaskName.clear();
  page.taskProgram.clear();
  page.pageEnabled = session.scheduler != nullptr;
  if (!session.scheduler) return;

  // What the session held stands for a task found earlier; it is looked for again.
  session.currentTask.reset();
  if (!IsListed(*session.scheduler)) return;

  SetActiveSchedule(page, true, services.clock);
  std::unique_ptr<platform::ScheduledTask> task;
  const HResult opened = session.scheduler->Activate(kScheduledTaskName, task);
  if (!Succeeded(opened) || !task) {
    ShowMessage(services.messages,
                model::FormatText(kActivateError, static_cast<unsigned>(opened)));
    return;
  }
  std::string program;
  if (Succeeded(task->GetApplicationName(program))) page.taskProgram = program;
  page.abTaskName = kScheduledTaskName;
  platform::TaskTrigger trigger;
  if (Succeeded(task->GetTrigger(0, trigger))) {
    page.startHour = trigger.startHour;
    page.startMinute = trigger.startMinute;
    page.SpinEditDays = trigger.daysInterval;
  }
  session.currentTask = std::move(task);
}

ScheduleSaved SaveSchedule(const ScheduleServices& services, SchedulerSession& session,
                           const SchedulePage& page) {
  if (!session.scheduler) return ScheduleSaved::Unchanged;
  platform::TaskScheduler& scheduler = *session.scheduler;

  if (!page.cbActiveTask) {
    const bool held = session.currentTask != nullptr;
    session.currentTask.reset();
    if (!held && !IsListed(scheduler)) return ScheduleSaved::Unchanged;
    return Succeeded(scheduler.Delete(kScheduledTaskName)) ? ScheduleSaved::Deleted
                                                           : ScheduleSaved::Failed;
  }

  if (!session.currentTask) {
    std::unique_ptr<platform::ScheduledTask> created;
    if (!Succeeded(CreateTask(services, scheduler, created)) || !created) {
      return ScheduleSaved::Failed;
    }
    session.currentTask = std::move(created);
  }
  platform::ScheduledTask& task = *session.currentTask;
  std::uint16_t count = 0;
  if (Succeeded(task.GetTriggerCount(count)) && count == 0) {
    std::uint16_t index = 0;
    if (!Succeeded(task.CreateTrigger(index))) return ScheduleSaved::Failed;
  }
  if (!Succeeded(task.SetTrigger(0, DailyTrigger(page, services.clock)))) {
    return ScheduleSaved::Failed;
  }
  return Succeeded(SaveTask(services, task)) ? ScheduleSaved::Saved : ScheduleSaved::Failed;
}

}  // namespace halvex::app
