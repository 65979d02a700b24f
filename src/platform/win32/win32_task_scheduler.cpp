#include "platform/win32/win32_task_scheduler.h"

#include <windows.h>

#include "platform/win32/com_objects.h"
// <windows.h> first: these need its types.
#include <initguid.h>
#include <lmcons.h>
#include <mstask.h>

#include <string>

namespace halvex::platform::win32 {
namespace {

constexpr std::string_view kJobExtension = ".job";

// The scheduler's own service reads a job file as soon as it was written; a delete or a save
// that meets it there is refused with a sharing violation and succeeds a moment later.
constexpr HRESULT kSharingViolation = HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION);
constexpr int kSharingRetries = 20;
constexpr DWORD kSharingPauseMs = 50;

template <typename Call>
HRESULT RetryWhileShared(Call call) {
  HRESULT result = call();
  for (int retry = 0; retry < kSharingRetries && result == kSharingViolation; ++retry) {
    Sleep(kSharingPauseMs);
    result = call();
  }
  return result;
}

HResult ToHResult(HRESULT result) {
  return static_cast<HResult>(result);
}

std::wstring Wide(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string Narrow(const wchar_t* text) {
  if (text == nullptr || *text == L'\0') return {};
  const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), length, nullptr, nullptr);
  narrow.resize(static_cast<std::size_t>(length - 1));
  return narrow;
}

// Names as the scheduler's calls take them: Windows accepts them with or without the ".job"
// that Enum lists, Wine only without.
std::wstring CallName(std::string_view name) {
  if (name.size() > kJobExtension.size() &&
      CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE,
                     name.data() + name.size() - kJobExtension.size(),
                     static_cast<int>(kJobExtension.size()), kJobExtension.data(),
                     static_cast<int>(kJobExtension.size())) == CSTR_EQUAL) {
    name.remove_suffix(kJobExtension.size());
  }
  return Wide(name);
}

// A text the task gives in memory of its own, which the caller frees.
template <typename Getter>
HResult GetText(Getter getter, std::string& text) {
  LPWSTR wide = nullptr;
  const HRESULT result = getter(&wide);
  if (SUCCEEDED(result)) text = Narrow(wide);
  if (wide != nullptr) CoTaskMemFree(wide);
  return ToHResult(result);
}

TaskTrigger FromSystem(const TASK_TRIGGER& system) {
  TaskTrigger trigger;
  trigger.beginYear = system.wBeginYear;
  trigger.beginMonth = system.wBeginMonth;
  trigger.beginDay = system.wBeginDay;
  trigger.endYear = system.wEndYear;
  trigger.endMonth = system.wEndMonth;
  trigger.endDay = system.wEndDay;
  trigger.startHour = system.wStartHour;
  trigger.startMinute = system.wStartMinute;
  trigger.minutesDuration = system.MinutesDuration;
  trigger.minutesInterval = system.MinutesInterval;
  trigger.flags = system.rgFlags;
  trigger.type = static_cast<TriggerType>(system.TriggerType);
  trigger.daysInterval = system.TriggerType == TASK_TIME_TRIGGER_DAILY
                             ? system.Type.Daily.DaysInterval
                             : std::uint16_t{0};
  trigger.randomMinutesInterval = system.wRandomMinutesInterval;
  return trigger;
}

TASK_TRIGGER ToSystem(const TaskTrigger& trigger) {
  TASK_TRIGGER system{};
  system.cbTriggerSize = sizeof system;
  system.wBeginYear = trigger.beginYear;
  system.wBeginMonth = trigger.beginMonth;
  system.wBeginDay = trigger.beginDay;
  system.wEndYear = trigger.endYear;
  system.wEndMonth = trigger.endMonth;
  system.wEndDay = trigger.endDay;
  system.wStartHour = trigger.startHour;
  system.wStartMinute = trigger.startMinute;
  system.MinutesDuration = trigger.minutesDuration;
  system.MinutesInterval = trigger.minutesInterval;
  system.rgFlags = trigger.flags;
  system.TriggerType = static_cast<TASK_TRIGGER_TYPE>(trigger.type);
  if (trigger.type == TriggerType::Daily) system.Type.Daily.DaysInterval = trigger.daysInterval;
  system.wRandomMinutesInterval = trigger.randomMinutesInterval;
  return system;
}

class Win32ScheduledTask final : public ScheduledTask {
 public:
  // Takes over the reference.
  explicit Win32ScheduledTask(ITask* task) : task_(task) {}

  HResult SetApplicationName(std::string_view path) override {
    return ToHResult(task_->SetApplicationName(Wide(path).c_str()));
  }
  HResult GetApplicationName(std::string& path) override {
    return GetText([this](LPWSTR* text) { return task_->GetApplicationName(text); }, path);
  }
  HResult SetParameters(std::string_view parameters) override {
    return ToHResult(task_->SetParameters(Wide(parameters).c_str()));
  }
  HResult GetParameters(std::string& parameters) override {
    return GetText([this](LPWSTR* text) { return task_->GetParameters(text); }, parameters);
  }
  HResult SetWorkingDirectory(std::string_view folder) override {
    return ToHResult(task_->SetWorkingDirectory(Wide(folder).c_str()));
  }
  HResult GetWorkingDirectory(std::string& folder) override {
    return GetText([this](LPWSTR* text) { return task_->GetWorkingDirectory(text); }, folder);
  }
  HResult SetComment(std::string_view comment) override {
    return ToHResult(task_->SetComment(Wide(comment).c_str()));
  }
  HResult GetComment(std::string& comment) override {
    return GetText([this](LPWSTR* text) { return task_->GetComment(text); }, comment);
  }
  HResult SetFlags(std::uint32_t flags) override { return ToHResult(task_->SetFlags(flags)); }
  HResult GetFlags(std::uint32_t& flags) override {
    DWORD value = 0;
    const HRESULT result = task_->GetFlags(&value);
    flags = value;
    return ToHResult(result);
  }
  HResult SetTaskFlags(std::uint32_t flags) override {
    return ToHResult(task_->SetTaskFlags(flags));
  }
  HResult SetAccountInformation(std::string_view account) override {
    return ToHResult(task_->SetAccountInformation(Wide(account).c_str(), nullptr));
  }

  HResult CreateTrigger(std::uint16_t& index) override {
    ComPtr<ITaskTrigger> trigger;
    WORD created = 0;
    const HRESULT result = task_->CreateTrigger(&created, trigger.out());
    index = created;
    return ToHResult(result);
  }
  HResult GetTriggerCount(std::uint16_t& count) override {
    WORD value = 0;
    const HRESULT result = task_->GetTriggerCount(&value);
    count = value;
    return ToHResult(result);
  }
  HResult GetTrigger(std::uint16_t index, TaskTrigger& trigger) override {
    ComPtr<ITaskTrigger> object;
    if (const HResult found = Trigger(index, object); !Succeeded(found)) return found;
    TASK_TRIGGER record{};
    record.cbTriggerSize = sizeof record;
    const HRESULT result = object->GetTrigger(&record);
    if (SUCCEEDED(result)) trigger = FromSystem(record);
    return ToHResult(result);
  }
  HResult SetTrigger(std::uint16_t index, const TaskTrigger& trigger) override {
    ComPtr<ITaskTrigger> object;
    if (const HResult found = Trigger(index, object); !Succeeded(found)) return found;
    TASK_TRIGGER record = ToSystem(trigger);
    return ToHResult(object->SetTrigger(&record));
  }

  HResult Save() override {
    ComPtr<IPersistFile> file;
    const HRESULT asked = task_->QueryInterface(IID_IPersistFile, file.outVoid());
    if (FAILED(asked)) return ToHResult(asked);
    if (file.get() == nullptr) return hresult::kNoInterface;
    return ToHResult(RetryWhileShared([&file] { return file->Save(nullptr, TRUE); }));
  }

 private:
  // Wine answers success with no trigger for an index it does not have.
  HResult Trigger(std::uint16_t index, ComPtr<ITaskTrigger>& trigger) {
    const HRESULT result = task_->GetTrigger(index, trigger.out());
    if (FAILED(result)) return ToHResult(result);
    return trigger.get() == nullptr ? hresult::kTriggerNotFound : hresult::kOk;
  }

  ComScope com_;
  ComPtr<ITask> task_;
};

class Win32TaskScheduler final : public TaskScheduler {
 public:
  // Takes over the reference; `com` keeps COM initialised while the scheduler lives.
  Win32TaskScheduler(std::unique_ptr<ComScope> com, ITaskScheduler* scheduler)
      : com_(std::move(com)), scheduler_(scheduler) {}

  HResult EnumWorkItems(std::vector<std::string>& names) override {
    names.clear();
    ComPtr<IEnumWorkItems> items;
    const HRESULT opened = scheduler_->Enum(items.out());
    if (FAILED(opened)) return ToHResult(opened);
    // One at a time: S_FALSE (fewer than asked) ends the list.
    for (;;) {
      LPWSTR* fetched = nullptr;
      ULONG count = 0;
      const HRESULT result = items->Next(1, &fetched, &count);
      if (FAILED(result)) return ToHResult(result);
      for (ULONG i = 0; i < count; ++i) {
        names.push_back(Narrow(fetched[i]));
        CoTaskMemFree(fetched[i]);
      }
      if (fetched != nullptr) CoTaskMemFree(fetched);
      if (result != S_OK || count == 0) return hresult::kOk;
    }
  }

  HResult Activate(std::string_view name, std::unique_ptr<ScheduledTask>& task) override {
    ITask* opened = nullptr;
    const HRESULT result = scheduler_->Activate(CallName(name).c_str(), IID_ITask,
                                                reinterpret_cast<IUnknown**>(&opened));
    return Adopt(result, opened, task);
  }

  HResult NewWorkItem(std::string_view name, std::unique_ptr<ScheduledTask>& task) override {
    ITask* created = nullptr;
    const HRESULT result = scheduler_->NewWorkItem(CallName(name).c_str(), CLSID_CTask, IID_ITask,
                                                   reinterpret_cast<IUnknown**>(&created));
    return Adopt(result, created, task);
  }

  HResult Delete(std::string_view name) override {
    const std::wstring callName = CallName(name);
    return ToHResult(RetryWhileShared([&] { return scheduler_->Delete(callName.c_str()); }));
  }

 private:
  static HResult Adopt(HRESULT result, ITask* pointer, std::unique_ptr<ScheduledTask>& task) {
    if (FAILED(result) || pointer == nullptr) {
      if (pointer != nullptr) pointer->Release();
      return FAILED(result) ? ToHResult(result) : hresult::kFail;
    }
    task = std::make_unique<Win32ScheduledTask>(pointer);
    return hresult::kOk;
  }

  std::unique_ptr<ComScope> com_;
  ComPtr<ITaskScheduler> scheduler_;
};

}  // namespace

HResult Win32TaskSchedulerService::CreateScheduler(std::unique_ptr<TaskScheduler>& scheduler) {
  auto com = std::make_unique<ComScope>();
  ITaskScheduler* created = nullptr;
  const HRESULT result = CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_ITaskScheduler, reinterpret_cast<void**>(&created));
  if (FAILED(result) || created == nullptr) {
    if (created != nullptr) created->Release();
    return FAILED(result) ? ToHResult(result) : hresult::kFail;
  }
  scheduler = std::make_unique<Win32TaskScheduler>(std::move(com), created);
  return hresult::kOk;
}

std::string Win32TaskSchedulerService::CurrentUserName() {
  char name[UNLEN + 1] = {};
  DWORD size = sizeof name;
  if (!GetUserNameA(name, &size)) return {};
  return name;
}

}  // namespace halvex::platform::win32
