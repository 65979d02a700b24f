#pragma once
// The system's task scheduler (Task Scheduler 1.0) as the program uses it for its scheduled
// scan: the scheduler object with its work items by name, a task's properties, its triggers,
// and saving the task. The calls and their status codes are the system's, so that a failure
// can be shown with the code the system gave.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace halvex::platform {

// An HRESULT, numbered as the system numbers them: success when the top bit is clear.
using HResult = std::uint32_t;

namespace hresult {
inline constexpr HResult kOk = 0;
inline constexpr HResult kNotImplemented = 0x80004001;
inline constexpr HResult kNoInterface = 0x80004002;
inline constexpr HResult kFail = 0x80004005;
inline constexpr HResult kClassNotRegistered = 0x80040154;
inline constexpr HResult kFileNotFound = 0x80070002;  // no work item of that name
inline constexpr HResult kAccessDenied = 0x80070005;
inline constexpr HResult kInvalidData = 0x8007000D;  // a stored work item that cannot be read
inline constexpr HResult kFileExists = 0x80070050;   // a work item of that name exists
inline constexpr HResult kInvalidArgument = 0x80070057;
inline constexpr HResult kTriggerNotFound = 0x80041309;
}  // namespace hresult

inline bool Succeeded(HResult result) {
  return (result & 0x80000000u) == 0;
}

// Trigger types, numbered as the system's TASK_TRIGGER_TYPE.
enum class TriggerType : std::uint32_t {
  Once = 0,
  Daily = 1,
  Weekly = 2,
  MonthlyDate = 3,
  MonthlyDayOfWeek = 4,
  OnIdle = 5,
  AtSystemStart = 6,
  AtLogon = 7,
};

// The trigger record in the field order of the system's TASK_TRIGGER. Of the type-specific part
// only the daily interval is kept: the program makes daily triggers only.
struct TaskTrigger {
  std::uint16_t beginYear = 0, beginMonth = 0, beginDay = 0;
  std::uint16_t endYear = 0, endMonth = 0, endDay = 0;
  std::uint16_t startHour = 0, startMinute = 0;
  std::uint32_t minutesDuration = 0;
  std::uint32_t minutesInterval = 0;
  std::uint32_t flags = 0;
  TriggerType type = TriggerType::Once;
  std::uint16_t daysInterval = 0;  // Daily: run every this many days
  std::uint16_t randomMinutesInterval = 0;
  friend bool operator==(const TaskTrigger&, const TaskTrigger&) = default;
};

// Work item flags, numbered as the system's.
namespace work_item_flag {
inline constexpr std::uint32_t kRunOnlyIfLoggedOn = 0x2000;
}

// A task (ITask) with its triggers (ITaskTrigger, by index) and its persistence
// (IPersistFile). Changes take effect in the system only when the task is saved.
class ScheduledTask {
 public:
  virtual ~ScheduledTask() = default;

  [[nodiscard]] virtual HResult SetApplicationName(std::string_view path) = 0;
  [[nodiscard]] virtual HResult GetApplicationName(std::string& path) = 0;
  [[nodiscard]] virtual HResult SetParameters(std::string_view parameters) = 0;
  [[nodiscard]] virtual HResult GetParameters(std::string& parameters) = 0;
  [[nodiscard]] virtual HResult SetWorkingDirectory(std::string_view folder) = 0;
  [[nodiscard]] virtual HResult GetWorkingDirectory(std::string& folder) = 0;
  [[nodiscard]] virtual HResult SetComment(std::string_view comment) = 0;
  [[nodiscard]] virtual HResult GetComment(std::string& comment) = 0;
  // The work item flags (work_item_flag).
  [[nodiscard]] virtual HResult SetFlags(std::uint32_t flags) = 0;
  [[nodiscard]] virtual HResult GetFlags(std::uint32_t& flags) = 0;
  [[nodiscard]] virtual HResult SetTaskFlags(std::uint32_t flags) = 0;
  // Runs the task as `account`, with no password.
  [[nodiscard]] virtual HResult SetAccountInformation(std::string_view account) = 0;

  // Adds a trigger and gives its index.
  [[nodiscard]] virtual HResult CreateTrigger(std::uint16_t& index) = 0;
  [[nodiscard]] virtual HResult GetTriggerCount(std::uint16_t& count) = 0;
  [[nodiscard]] virtual HResult GetTrigger(std::uint16_t index, TaskTrigger& trigger) = 0;
  [[nodiscard]] virtual HResult SetTrigger(std::uint16_t index, const TaskTrigger& trigger) = 0;

  // Saves the task under its name (IPersistFile::Save with no file name, remembering it).
  // kNoInterface when the task has no persistence interface.
  [[nodiscard]] virtual HResult Save() = 0;
};

// The scheduler object (ITaskScheduler). Work item names are given as the system lists them,
// with their extension ("Halvo.job").
class TaskScheduler {
 public:
  virtual ~TaskScheduler() = default;

  // The names of all work items, in the system's order.
  [[nodiscard]] virtual HResult EnumWorkItems(std::vector<std::string>& names) = 0;
  // Opens the stored task of that name.
  [[nodiscard]] virtual HResult Activate(std::string_view name,
                                         std::unique_ptr<ScheduledTask>& task) = 0;
  // A new task of that name, stored only when it is saved.
  [[nodiscard]] virtual HResult NewWorkItem(std::string_view name,
                                            std::unique_ptr<ScheduledTask>& task) = 0;
  [[nodiscard]] virtual HResult Delete(std::string_view name) = 0;
};

class TaskSchedulerService {
 public:
  virtual ~TaskSchedulerService() = default;
  // Creates the scheduler object (CoCreateInstance of the scheduler class).
  [[nodiscard]] virtual HResult CreateScheduler(std::unique_ptr<TaskScheduler>& scheduler) = 0;
  // The account a task runs as: the current user's name (GetUserNameA).
  virtual std::string CurrentUserName() = 0;
};

}  // namespace halvex::platform
