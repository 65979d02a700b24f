// What the substitute task scheduler promises beyond the contract: the answers where Wine differs
// from Windows, its job store on the machine's files, and its scripted faults.
#include "platform/substitute/substitute_task_scheduler.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/substitute/job_store.h"
#include "tests/support/scratch_machine.h"

namespace halvex::platform::substitute {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kStore = "C:\\WINDOWS\\Tasks\\jobs.ini";

class SubstituteTaskSchedulerTest : public ::testing::Test {
 protected:
  SubstituteTaskSchedulerTest() {
    machine.AddFolder("C:\\WINDOWS");
    machine.clock.SetNow({2026, 3, 7, 9, 41, 12, 0});
  }
  void SetUp() override { ASSERT_EQ(service.CreateScheduler(scheduler), hresult::kOk); }

  std::vector<std::string> Names() {
    std::vector<std::string> names;
    EXPECT_EQ(scheduler->EnumWorkItems(names), hresult::kOk);
    return names;
  }
  std::unique_ptr<ScheduledTask> SavedTask(const char* name) {
    std::unique_ptr<ScheduledTask> task;
    EXPECT_EQ(scheduler->NewWorkItem(name, task), hresult::kOk);
    if (task) {
      EXPECT_EQ(task->Save(), hresult::kOk);
    }
    return task;
  }

  testing::ScratchMachine machine;
  SubstituteTaskSchedulerService service{machine.files(), machine.clock, "Tester"};
  std::unique_ptr<TaskScheduler> scheduler;
};

TEST_F(SubstituteTaskSchedulerTest, KeepsEverySetPropertyInTheJobStore) {
  std::unique_ptr<ScheduledTask> task;
  ASSERT_EQ(scheduler->NewWorkItem("Halvo.job", task), hresult::kOk);
  EXPECT_THAT(Names(), IsEmpty()) << "stored only when saved";
  ASSERT_EQ(task->SetApplicationName("C:\\Program Files\\Halvex\\Halvex.exe"), hresult::kOk);
  ASSERT_EQ(task->SetParameters("-Scan"), hresult::kOk);
  ASSERT_EQ(task->SetWorkingDirectory("C:\\Program Files\\Halvex\\"), hresult::kOk);
  ASSERT_EQ(task->SetComment("Runs Hal Vex at Scheduled Time."), hresult::kOk);
  ASSERT_EQ(task->SetAccountInformation(service.CurrentUserName()), hresult::kOk);
  ASSERT_EQ(task->SetFlags(0x2000), hresult::kOk);
  ASSERT_EQ(task->SetTaskFlags(0), hresult::kOk);
  std::uint16_t index = 0;
  ASSERT_EQ(task->CreateTrigger(index), hresult::kOk);
  TaskTrigger trigger;
  ASSERT_EQ(task->GetTrigger(index, trigger), hresult::kOk);
  trigger.startHour = 21;
  trigger.startMinute = 15;
  trigger.daysInterval = 2;
  ASSERT_EQ(task->SetTrigger(index, trigger), hresult::kOk);
  ASSERT_EQ(task->Save(), hresult::kOk);

  EXPECT_EQ(machine.Read(kStore),
            "[Halvo.job]\r\n"
            "Application=C:\\Program Files\\Halvex\\Halvex.exe\r\n"
            "Parameters=-Scan\r\n"
            "WorkingDirectory=C:\\Program Files\\Halvex\\\r\n"
            "Comment=Runs Hal Vex at Scheduled Time.\r\n"
            "Account=Tester\r\n"
            "Flags=8192\r\n"
            "TaskFlags=0\r\n"
            "Trigger=2026,3,7,0,0,0,21,15,0,0,0,1,2,0\r\n");
}

TEST_F(SubstituteTaskSchedulerTest, ANewTriggerRunsDailyFromNow) {
  std::unique_ptr<ScheduledTask> task = SavedTask("Halvo.job");
  std::uint16_t index = 9;
  ASSERT_EQ(task->CreateTrigger(index), hresult::kOk);
  EXPECT_EQ(index, 0u);
  TaskTrigger trigger;
  ASSERT_EQ(task->GetTrigger(0, trigger), hresult::kOk);
  TaskTrigger expected;
  expected.beginYear = 2026;
  expected.beginMonth = 3;
  expected.beginDay = 7;
  expected.startHour = 9;
  expected.startMinute = 41;
  expected.type = TriggerType::Daily;
  expected.daysInterval = 1;
  EXPECT_EQ(trigger, expected);
}

TEST_F(SubstituteTaskSchedulerTest, RefusesASecondWorkItemOfAnExistingName) {
  SavedTask("Halvo.job");
  std::unique_ptr<ScheduledTask> second;
  EXPECT_EQ(scheduler->NewWorkItem("Halvo.job", second), hresult::kFileExists);
  EXPECT_EQ(scheduler->NewWorkItem("HALVO", second), hresult::kFileExists)
      << "names compare without regard to case, with or without the extension";
  EXPECT_EQ(second, nullptr);
}

TEST_F(SubstituteTaskSchedulerTest, AReopenedTaskHasTheTriggersItWasSavedWith) {
  SavedTask("Halvo.job");
  std::unique_ptr<ScheduledTask> task;
  ASSERT_EQ(scheduler->Activate("halvo.JOB", task), hresult::kOk);
  std::uint16_t count = 9;
  ASSERT_EQ(task->GetTriggerCount(count), hresult::kOk);
  EXPECT_EQ(count, 0u);
  TaskTrigger trigger;
  EXPECT_EQ(task->GetTrigger(0, trigger), hresult::kTriggerNotFound);
  EXPECT_EQ(task->SetTrigger(0, trigger), hresult::kTriggerNotFound);
}

TEST_F(SubstituteTaskSchedulerTest, RefusesATriggerTheSystemRefuses) {
  std::unique_ptr<ScheduledTask> task = SavedTask("Halvo.job");
  std::uint16_t index = 0;
  ASSERT_EQ(task->CreateTrigger(index), hresult::kOk);
  TaskTrigger valid;
  ASSERT_EQ(task->GetTrigger(index, valid), hresult::kOk);
  const struct {
    const char* what;
    void (*spoil)(TaskTrigger&);
  } cases[] = {
      {"hour 24", [](TaskTrigger& t) { t.startHour = 24; }},
      {"minute 60", [](TaskTrigger& t) { t.startMinute = 60; }},
      {"every 0 days", [](TaskTrigger& t) { t.daysInterval = 0; }},
      {"month 13", [](TaskTrigger& t) { t.beginMonth = 13; }},
      {"no begin date", [](TaskTrigger& t) { t.beginYear = t.beginMonth = t.beginDay = 0; }},
      {"half an end date", [](TaskTrigger& t) { t.endYear = 2027; }},
  };
  for (const auto& c : cases) {
    TaskTrigger spoiled = valid;
    c.spoil(spoiled);
    EXPECT_EQ(task->SetTrigger(index, spoiled), hresult::kInvalidArgument) << c.what;
  }
  TaskTrigger withEnd = valid;
  withEnd.endYear = 2027;
  withEnd.endMonth = 1;
  withEnd.endDay = 31;
  EXPECT_EQ(task->SetTrigger(index, withEnd), hresult::kOk);
}

TEST_F(SubstituteTaskSchedulerTest, ATaskWithoutPersistenceCannotBeSaved) {
  service.WithoutPersistence(true);
  std::unique_ptr<ScheduledTask> task;
  ASSERT_EQ(scheduler->NewWorkItem("Halvo.job", task), hresult::kOk);
  EXPECT_EQ(task->Save(), hresult::kNoInterface);
  EXPECT_THAT(Names(), IsEmpty());
}

TEST_F(SubstituteTaskSchedulerTest, AScriptedCreationFailureGivesItsCode) {
  service.FailCreation(hresult::kClassNotRegistered);
  std::unique_ptr<TaskScheduler> second;
  EXPECT_EQ(service.CreateScheduler(second), hresult::kClassNotRegistered);
  EXPECT_EQ(second, nullptr);
  EXPECT_EQ(service.creations(), 2);
}

TEST_F(SubstituteTaskSchedulerTest, AnUnreadableEntryIsListedButDoesNotOpenAndIsKept) {
  const std::string broken = "[Halvo.job]\r\nApplication=C:\\a.exe\r\nTrigger=1,2,3\r\n";
  machine.AddFile(kStore, broken);
  EXPECT_THAT(Names(), ElementsAre("Halvo.job"));
  std::unique_ptr<ScheduledTask> task;
  EXPECT_EQ(scheduler->Activate("Halvo.job", task), hresult::kInvalidData);
  EXPECT_EQ(scheduler->NewWorkItem("Halvo.job", task), hresult::kFileExists);

  SavedTask("Other.job");
  EXPECT_EQ(machine.Read(kStore).substr(0, broken.size()), broken);
  ASSERT_EQ(scheduler->Delete("Halvo.job"), hresult::kOk) << "an unreadable item can be deleted";
  EXPECT_THAT(Names(), ElementsAre("Other.job"));
}

TEST_F(SubstituteTaskSchedulerTest, AStoreThatCannotBeWrittenFailsTheSave) {
  testing::ScratchMachine bare;  // without a Windows folder, so no Tasks folder can be made
  SubstituteTaskSchedulerService bareService{bare.files(), bare.clock};
  std::unique_ptr<TaskScheduler> bareScheduler;
  ASSERT_EQ(bareService.CreateScheduler(bareScheduler), hresult::kOk);
  std::unique_ptr<ScheduledTask> task;
  ASSERT_EQ(bareScheduler->NewWorkItem("Halvo.job", task), hresult::kOk);
  EXPECT_EQ(task->Save(), hresult::kAccessDenied);
}

TEST(JobStoreTest, ReadsBackWhatItWrites) {
  StoredJob job;
  job.application = "C:\\x.exe";
  job.parameters = "a=b ;c";
  job.flags = 0x2000;
  TaskTrigger trigger;
  trigger.beginYear = 2026;
  trigger.beginMonth = 12;
  trigger.beginDay = 31;
  trigger.minutesDuration = 0xFFFFFFFF;
  trigger.type = TriggerType::AtLogon;
  job.triggers = {trigger, TaskTrigger{}};
  const std::vector<JobStoreEntry> entries = {{"A.job", job, {}}, {"B.job", StoredJob{}, {}}};
  const std::vector<JobStoreEntry> read = ParseJobStore(FormatJobStore(entries));
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0].name, "A.job");
  EXPECT_EQ(read[0].job, job) << "values are taken exactly as written, blanks and ';' included";
  EXPECT_EQ(read[1].job, StoredJob{});
}

TEST(JobStoreTest, AnyLineItCannotReadMakesTheEntryUnreadable) {
  const char* unreadable[] = {
      "Unknown=1",
      "no equals sign",
      "Flags=x",
      "Flags=-1",
      "Trigger=1,2,3",
      "Trigger=2026,1,1,0,0,0,25,0,0,0,0,1,1,0,7",
      "Trigger=70000,1,1,0,0,0,0,0,0,0,0,1,1,0",
      "Trigger=2026,1,1,0,0,0,0,0,0,0,0,8,1,0",
  };
  for (const char* line : unreadable) {
    const auto entries = ParseJobStore(std::string("[A.job]\r\n") + line + "\r\n[B.job]\r\n");
    ASSERT_EQ(entries.size(), 2u) << line;
    EXPECT_FALSE(entries[0].job.has_value()) << line;
    EXPECT_TRUE(entries[1].job.has_value()) << line;
  }
}

}  // namespace
}  // namespace halvex::platform::substitute
