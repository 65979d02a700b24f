// The task scheduler as the preferences use it, held to the same contract on every binding:
// under Wine the system's Task Scheduler 1.0 objects, everywhere the substitute's job store.
// What Wine answers otherwise than Windows (see docs/architecture.md) is tested on the substitute
// alone, in substitute_task_scheduler_test.cpp.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/platform/platform_bindings.h"

namespace halvex::testing {
namespace {

using platform::HResult;
using platform::ScheduledTask;
using platform::Succeeded;
using platform::TaskScheduler;
using platform::TaskTrigger;
using platform::TriggerType;
using ::testing::Contains;
using ::testing::Not;

constexpr const char* kName = "HalvexContract.job";

std::string Hex(HResult code) {
  char text[11];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(code));
  return text;
}

#define ASSERT_OK(call)                                                      \
  do {                                                                       \
    const HResult code_ = (call);                                            \
    ASSERT_TRUE(Succeeded(code_)) << #call << " failed with " << Hex(code_); \
  } while (false)

TaskTrigger DailyAt2115Every2Days() {
  TaskTrigger trigger;
  trigger.beginYear = 2026;
  trigger.beginMonth = 3;
  trigger.beginDay = 7;
  trigger.startHour = 21;
  trigger.startMinute = 15;
  trigger.type = TriggerType::Daily;
  trigger.daysInterval = 2;
  return trigger;
}

class TaskSchedulerContract : public ::testing::TestWithParam<SchedulerBinding> {
 protected:
  void SetUp() override {
    underTest_ = GetParam().make();
    ASSERT_OK(underTest_->service().CreateScheduler(scheduler));
    (void)scheduler->Delete(kName);  // left over from an earlier run that stopped half-way
  }
  void TearDown() override {
    if (scheduler) (void)scheduler->Delete(kName);
  }

  std::vector<std::string> Names() {
    std::vector<std::string> names;
    const HResult code = scheduler->EnumWorkItems(names);
    EXPECT_TRUE(Succeeded(code)) << "EnumWorkItems failed with " << Hex(code);
    return names;
  }

  // A task made and saved as the preferences make the scheduled scan.
  void SaveTask() {
    std::unique_ptr<ScheduledTask> task;
    ASSERT_OK(scheduler->NewWorkItem(kName, task));
    ASSERT_OK(task->SetApplicationName("C:\\windows\\notepad.exe"));
    ASSERT_OK(task->SetParameters("-Scan"));
    ASSERT_OK(task->SetWorkingDirectory("C:\\windows\\"));
    ASSERT_OK(task->SetFlags(platform::work_item_flag::kRunOnlyIfLoggedOn));
    ASSERT_OK(task->SetComment("Runs Hal Vex at Scheduled Time."));
    ASSERT_OK(task->SetAccountInformation(underTest_->service().CurrentUserName()));
    ASSERT_OK(task->Save());
    std::uint16_t index = 99;
    ASSERT_OK(task->CreateTrigger(index));
    EXPECT_EQ(index, 0u) << "the first trigger of a new task";
    ASSERT_OK(task->SetTrigger(index, DailyAt2115Every2Days()));
    ASSERT_OK(task->Save());
  }

  std::unique_ptr<SchedulerUnderTest> underTest_;
  std::unique_ptr<TaskScheduler> scheduler;
};

TEST_P(TaskSchedulerContract, ASavedTaskIsListedAndOpensWithWhatWasSet) {
  ASSERT_NO_FATAL_FAILURE(SaveTask());
  EXPECT_THAT(Names(), Contains(kName)) << "listed with its extension";

  std::unique_ptr<ScheduledTask> task;
  ASSERT_OK(scheduler->Activate(kName, task));
  std::string text;
  ASSERT_OK(task->GetApplicationName(text));
  EXPECT_EQ(text, "C:\\windows\\notepad.exe");
  ASSERT_OK(task->GetParameters(text));
  EXPECT_EQ(text, "-Scan");
  ASSERT_OK(task->GetWorkingDirectory(text));
  EXPECT_EQ(text, "C:\\windows\\");
  ASSERT_OK(task->GetComment(text));
  EXPECT_EQ(text, "Runs Hal Vex at Scheduled Time.");
  std::uint32_t flags = 0;
  ASSERT_OK(task->GetFlags(flags));
  EXPECT_EQ(flags, platform::work_item_flag::kRunOnlyIfLoggedOn);
  TaskTrigger trigger;
  ASSERT_OK(task->GetTrigger(0, trigger));
  EXPECT_EQ(trigger.type, TriggerType::Daily);
  EXPECT_EQ(trigger.daysInterval, 2u);
  EXPECT_EQ(trigger.startHour, 21u);
  EXPECT_EQ(trigger.startMinute, 15u);
  EXPECT_EQ(trigger.beginYear, 2026u);
  EXPECT_EQ(trigger.beginMonth, 3u);
  EXPECT_EQ(trigger.beginDay, 7u);
}

TEST_P(TaskSchedulerContract, ANewSchedulerSeesTheSavedTask) {
  ASSERT_NO_FATAL_FAILURE(SaveTask());
  std::unique_ptr<TaskScheduler> later;
  ASSERT_OK(underTest_->service().CreateScheduler(later));
  std::unique_ptr<ScheduledTask> task;
  ASSERT_OK(later->Activate(kName, task));
  TaskTrigger trigger;
  ASSERT_OK(task->GetTrigger(0, trigger));
  EXPECT_EQ(trigger.daysInterval, 2u);
}

TEST_P(TaskSchedulerContract, AChangedTriggerIsKeptWhenTheOpenedTaskIsSavedAgain) {
  ASSERT_NO_FATAL_FAILURE(SaveTask());
  {
    std::unique_ptr<ScheduledTask> task;
    ASSERT_OK(scheduler->Activate(kName, task));
    TaskTrigger trigger;
    ASSERT_OK(task->GetTrigger(0, trigger));
    trigger.startHour = 6;
    trigger.startMinute = 5;
    trigger.daysInterval = 31;
    ASSERT_OK(task->SetTrigger(0, trigger));
    ASSERT_OK(task->Save());
  }
  std::unique_ptr<ScheduledTask> reopened;
  ASSERT_OK(scheduler->Activate(kName, reopened));
  TaskTrigger trigger;
  ASSERT_OK(reopened->GetTrigger(0, trigger));
  EXPECT_EQ(trigger.startHour, 6u);
  EXPECT_EQ(trigger.startMinute, 5u);
  EXPECT_EQ(trigger.daysInterval, 31u);
}

TEST_P(TaskSchedulerContract, ADeletedTaskIsGone) {
  ASSERT_NO_FATAL_FAILURE(SaveTask());
  ASSERT_OK(scheduler->Delete(kName));
  EXPECT_THAT(Names(), Not(Contains(kName)));
  std::unique_ptr<ScheduledTask> task;
  EXPECT_EQ(scheduler->Activate(kName, task), platform::hresult::kFileNotFound);
  EXPECT_EQ(task, nullptr);
  EXPECT_EQ(scheduler->Delete(kName), platform::hresult::kFileNotFound);
}

TEST_P(TaskSchedulerContract, NamesWorkWithAndWithoutTheExtension) {
  ASSERT_NO_FATAL_FAILURE(SaveTask());
  std::unique_ptr<ScheduledTask> task;
  ASSERT_OK(scheduler->Activate("HalvexContract", task));
  ASSERT_OK(scheduler->Delete("HalvexContract"));
  EXPECT_THAT(Names(), Not(Contains(kName)));
}

TEST_P(TaskSchedulerContract, AMissingTriggerIsAFailure) {
  ASSERT_NO_FATAL_FAILURE(SaveTask());
  std::unique_ptr<ScheduledTask> task;
  ASSERT_OK(scheduler->Activate(kName, task));
  std::uint16_t count = 0;
  ASSERT_OK(task->GetTriggerCount(count));
  ASSERT_EQ(count, 1u);
  TaskTrigger trigger;
  EXPECT_FALSE(Succeeded(task->GetTrigger(5, trigger)));
  EXPECT_FALSE(Succeeded(task->SetTrigger(5, DailyAt2115Every2Days())));
}

TEST_P(TaskSchedulerContract, ATaskOutlivesItsScheduler) {
  std::unique_ptr<ScheduledTask> task;
  ASSERT_OK(scheduler->NewWorkItem(kName, task));
  scheduler.reset();
  ASSERT_OK(task->SetApplicationName("C:\\windows\\notepad.exe"));
  ASSERT_OK(task->Save());
  task.reset();
  ASSERT_OK(underTest_->service().CreateScheduler(scheduler));
  EXPECT_THAT(Names(), Contains(kName));
}

TEST_P(TaskSchedulerContract, TheAccountIsTheCurrentUser) {
  EXPECT_FALSE(underTest_->service().CurrentUserName().empty());
}

HALVEX_RUN_ON_BINDINGS(TaskSchedulerContract, SchedulerBindings);

}  // namespace
}  // namespace halvex::testing
