#include "platform/substitute/substitute_task_scheduler.h"

#include <algorithm>

#include "platform/substitute/ini_lines.h"
#include "platform/substitute/job_store.h"

namespace halvex::platform::substitute {
namespace {

using State = SubstituteTaskSchedulerService::State;

constexpr std::string_view kJobExtension = ".job";

// The name under which the system keeps the work item: with its ".job".
std::string StoredName(std::string_view name) {
  if (name.size() > kJobExtension.size() &&
      IniNameEquals(name.substr(name.size() - kJobExtension.size()), kJobExtension)) {
    return std::string(name);
  }
  return std::string(name) + std::string(kJobExtension);
}

std::vector<JobStoreEntry> ReadStore(State& state) {
  const std::optional<std::string> text = state.files.ReadFile(JobStorePath(state.files));
  return text ? ParseJobStore(*text) : std::vector<JobStoreEntry>{};
}

bool WriteStore(State& state, const std::vector<JobStoreEntry>& entries) {
  const std::string path = JobStorePath(state.files);
  const std::string folder = path.substr(0, path.find_last_of('\\'));
  if (!state.files.FolderExists(folder) && !state.files.CreateFolder(folder)) return false;
  return state.files.WriteFile(path, FormatJobStore(entries));
}

std::vector<JobStoreEntry>::iterator Find(std::vector<JobStoreEntry>& entries,
                                          std::string_view storedName) {
  return std::find_if(entries.begin(), entries.end(), [storedName](const JobStoreEntry& entry) {
    return IniNameEquals(entry.name, storedName);
  });
}

bool IsDate(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
  return year >= 1601 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

// What the system refuses in a trigger record.
bool IsValidTrigger(const TaskTrigger& trigger) {
  const bool noEnd = trigger.endYear == 0 && trigger.endMonth == 0 && trigger.endDay == 0;
  return IsDate(trigger.beginYear, trigger.beginMonth, trigger.beginDay) &&
         (noEnd || IsDate(trigger.endYear, trigger.endMonth, trigger.endDay)) &&
         trigger.startHour < 24 && trigger.startMinute < 60 &&
         (trigger.type != TriggerType::Daily || trigger.daysInterval >= 1);
}

class SubstituteTask final : public ScheduledTask {
 public:
  SubstituteTask(std::shared_ptr<State> state, std::string name, StoredJob job)
      : state_(std::move(state)),
        name_(std::move(name)),
        job_(std::move(job)),
        persistent_(!state_->withoutPersistence) {}

  HResult SetApplicationName(std::string_view path) override { return Set(job_.application, path); }
  HResult GetApplicationName(std::string& path) override { return Get(job_.application, path); }
  HResult SetParameters(std::string_view parameters) override {
    return Set(job_.parameters, parameters);
  }
  HResult GetParameters(std::string& parameters) override {
    return Get(job_.parameters, parameters);
  }
  HResult SetWorkingDirectory(std::string_view folder) override {
    return Set(job_.workingDirectory, folder);
  }
  HResult GetWorkingDirectory(std::string& folder) override {
    return Get(job_.workingDirectory, folder);
  }
  HResult SetComment(std::string_view comment) override { return Set(job_.comment, comment); }
  HResult GetComment(std::string& comment) override { return Get(job_.comment, comment); }
  HResult SetFlags(std::uint32_t flags) override {
    job_.flags = flags;
    return hresult::kOk;
  }
  HResult GetFlags(std::uint32_t& flags) override {
    flags = job_.flags;
    return hresult::kOk;
  }
  HResult SetTaskFlags(std::uint32_t flags) override {
    job_.taskFlags = flags;
    return hresult::kOk;
  }
  HResult SetAccountInformation(std::string_view account) override {
    return Set(job_.account, account);
  }

  // A new trigger runs daily from now, as the system makes it.
  HResult CreateTrigger(std::uint16_t& index) override {
    if (job_.triggers.size() >= 0xFFFF) return hresult::kFail;
    const LocalTime now = state_->clock.Now();
    TaskTrigger trigger;
    trigger.beginYear = static_cast<std::uint16_t>(now.year);
    trigger.beginMonth = static_cast<std::uint16_t>(now.month);
    trigger.beginDay = static_cast<std::uint16_t>(now.day);
    trigger.startHour = static_cast<std::uint16_t>(now.hour);
    trigger.startMinute = static_cast<std::uint16_t>(now.minute);
    trigger.type = TriggerType::Daily;
    trigger.daysInterval = 1;
    job_.triggers.push_back(trigger);
    index = static_cast<std::uint16_t>(job_.triggers.size() - 1);
    return hresult::kOk;
  }
  HResult GetTriggerCount(std::uint16_t& count) override {
    count = static_cast<std::uint16_t>(job_.triggers.size());
    return hresult::kOk;
  }
  HResult GetTrigger(std::uint16_t index, TaskTrigger& trigger) override {
    if (index >= job_.triggers.size()) return hresult::kTriggerNotFound;
    trigger = job_.triggers[index];
    return hresult::kOk;
  }
  HResult SetTrigger(std::uint16_t index, const TaskTrigger& trigger) override {
    if (index >= job_.triggers.size()) return hresult::kTriggerNotFound;
    if (!IsValidTrigger(trigger)) return hresult::kInvalidArgument;
    job_.triggers[index] = trigger;
    return hresult::kOk;
  }

  HResult Save() override {
    if (!persistent_) return hresult::kNoInterface;
    std::vector<JobStoreEntry> entries = ReadStore(*state_);
    const auto stored = Find(entries, name_);
    if (stored != entries.end()) {
      stored->job = job_;
    } else {
      entries.push_back({name_, job_, {}});
    }
    return WriteStore(*state_, entries) ? hresult::kOk : hresult::kAccessDenied;
  }

 private:
  static HResult Set(std::string& field, std::string_view value) {
    field = value;
    return hresult::kOk;
  }
  static HResult Get(const std::string& field, std::string& value) {
    value = field;
    return hresult::kOk;
  }

  std::shared_ptr<State> state_;
  std::string name_;
  StoredJob job_;
  bool persistent_;
};

class SubstituteTaskScheduler final : public TaskScheduler {
 public:
  explicit SubstituteTaskScheduler(std::shared_ptr<State> state) : state_(std::move(state)) {}

  HResult EnumWorkItems(std::vector<std::string>& names) override {
    names.clear();
    for (const JobStoreEntry& entry : ReadStore(*state_)) names.push_back(entry.name);
    return hresult::kOk;
  }

  HResult Activate(std::string_view name, std::unique_ptr<ScheduledTask>& task) override {
    std::vector<JobStoreEntry> entries = ReadStore(*state_);
    const auto stored = Find(entries, StoredName(name));
    if (stored == entries.end()) return hresult::kFileNotFound;
    if (!stored->job) return hresult::kInvalidData;
    task = std::make_unique<SubstituteTask>(state_, stored->name, *stored->job);
    return hresult::kOk;
  }

  HResult NewWorkItem(std::string_view name, std::unique_ptr<ScheduledTask>& task) override {
    if (name.empty()) return hresult::kInvalidArgument;
    std::vector<JobStoreEntry> entries = ReadStore(*state_);
    if (Find(entries, StoredName(name)) != entries.end()) return hresult::kFileExists;
    task = std::make_unique<SubstituteTask>(state_, StoredName(name), StoredJob{});
    return hresult::kOk;
  }

  HResult Delete(std::string_view name) override {
    std::vector<JobStoreEntry> entries = ReadStore(*state_);
    const auto stored = Find(entries, StoredName(name));
    if (stored == entries.end()) return hresult::kFileNotFound;
    entries.erase(stored);
    return WriteStore(*state_, entries) ? hresult::kOk : hresult::kAccessDenied;
  }

 private:
  std::shared_ptr<State> state_;
};

}  // namespace

SubstituteTaskSchedulerService::SubstituteTaskSchedulerService(FileSystem& files, Clock& clock,
                                                               std::string userName)
    : state_(std::make_shared<State>(State{files, clock, false})), userName_(std::move(userName)) {}

HResult SubstituteTaskSchedulerService::CreateScheduler(std::unique_ptr<TaskScheduler>& scheduler) {
  ++creations_;
  if (creationFailure_ != hresult::kOk) return creationFailure_;
  scheduler = std::make_unique<SubstituteTaskScheduler>(state_);
  return hresult::kOk;
}

}  // namespace halvex::platform::substitute
