#pragma once
// The "Scheduling" page of the preferences: the daily task "Halvo.job" of the system's task
// scheduler that starts the program with "-Scan". The scheduler object and the task found or
// created live for the whole program run (SchedulerSession); the page's state is a plain
// record that the dialog shows.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/task_scheduler.h"

namespace halvex::app {

inline constexpr std::string_view kScheduledTaskName = "Halvo.job";

// What the program run keeps of the scheduler: created at the first opening of the preferences
// and held until the program ends, with the current task.
struct SchedulerSession {
  std::unique_ptr<platform::TaskScheduler> scheduler;
  std::unique_ptr<platform::ScheduledTask> currentTask;
};

struct SchedulePage {
  bool cbActiveTask = false;
  bool controlsEnabled = false;  // dtpStartTime and SpinEditDays
  int startHour = 9;             // dtpStartTime, hours and minutes
  int startMinute = 30;
  int SpinEditDays = 1;  // 1 to 31
  std::string abTaskName;
  std::string taskProgram;  // ImageTask shows the icon associated with this file
  bool pageEnabled = true;  // false when there is no scheduler to show
  friend bool operator==(const SchedulePage&, const SchedulePage&) = default;
};

struct ScheduleServices {
  platform::TaskSchedulerService& schedulers;
  platform::MessageBoxes& messages;
  platform::Clock& clock;
  std::string executablePath;
};

// FormCreate: creates the scheduler object unless the run has one. On failure shows
// "Error in ActiveX.CoCreateInstance.Error Code :" and the code as eight hex digits and
// answers false: the page is disabled and the program keeps running; the next opening tries
// again.
[[nodiscard]] bool EnsureScheduler(const ScheduleServices& services, SchedulerSession& session);

// cbActiveTaskClick, for the state the box has just taken: it runs whenever the box changes,
// also when the program changes it. Ticked: the time and days can be set and the time becomes
// the current hour and minute; unticked: they cannot and the time becomes 09:30. The days
// become 1 either way.
void ApplyActiveSchedule(SchedulePage& page, platform::Clock& clock);
// Changes the box, running the handler when that is a change.
void SetActiveSchedule(SchedulePage& page, bool active, platform::Clock& clock);

// LoadSchedule: unticks the box, then looks for "Halvo.job" among the work items (the name
// compared exactly). When found, ticks the box and opens it: the opened task becomes the
// current task and the page shows its name, program, start time and day interval. When it
// cannot be opened, shows "Error in SchedulingAgent.Activate.Error Code :" and the code; the
// box stays ticked. When it is not found or cannot be opened the session holds no current
// task. Without a scheduler the page is disabled.
void LoadSchedule(const ScheduleServices& services, SchedulerSession& session, SchedulePage& page);

enum class ScheduleSaved {
  Unchanged,  // not ticked and no task: nothing to do
  Saved,      // the task runs as the page says
  Deleted,    // the task was removed
  Failed,     // the scheduler refused; the task is as the system has it
};

// SaveSchedule (OK). Ticked: the current task's trigger 0 is set to daily every SpinEditDays
// days at the start time from today; without a current task "Halvo.job" is created first with
// the program, "-Scan", the program's folder, run only if logged on, the comment "Runs Hal Vex
// at Scheduled Time." and the current user, replacing a work item of that name that could not
// be opened. Not ticked: a task of that name is deleted and the current task released. A task
// that cannot be saved for want of a persistence interface shows
// "Error in  Task.QueryInterface(IID_IPersistFile, pIPersistFile):".
[[nodiscard]] ScheduleSaved SaveSchedule(const ScheduleServices& services,
                                         SchedulerSession& session, const SchedulePage& page);

}  // namespace halvex::app
