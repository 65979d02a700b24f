// The "Scheduling" page over the substitute task scheduler: the daily "Halvo.job", its failures
// and the current task of the program run.
#include "app/options/scheduled_scan.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/substitute/job_store.h"
#include "platform/substitute/scripted_message_boxes.h"
#include "platform/substitute/substitute_task_scheduler.h"
#include "tests/support/scratch_machine.h"

namespace halvex::app {
namespace {

using platform::hresult::kOk;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kProgram = "C:\\Program Files\\Halvex\\Halvex.exe";
constexpr const char* kStore = "C:\\WINDOWS\\Tasks\\jobs.ini";

class ScheduledScanTest : public ::testing::Test {
 protected:
  ScheduledScanTest() {
    machine.AddFolder("C:\\WINDOWS");
    machine.clock.SetNow({2026, 3, 7, 14, 42, 5, 0});
  }

  // The dialog opened: the scheduler made if needed, the page loaded.
  SchedulePage Open() {
    SchedulePage page;
    if (!EnsureScheduler(services, session)) page.pageEnabled = false;
    LoadSchedule(services, session, page);
    return page;
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& shown : messages.shown()) texts.push_back(shown.text);
    return texts;
  }

  // The stored work item, read back through a scheduler of its own.
  platform::substitute::StoredJob Stored() {
    for (const auto& entry : platform::substitute::ParseJobStore(machine.Read(kStore))) {
      if (entry.name == "Halvo.job" && entry.job) return *entry.job;
    }
    ADD_FAILURE() << "no readable Halvo.job in the store";
    return {};
  }

  testing::ScratchMachine machine;
  platform::substitute::SubstituteTaskSchedulerService schedulers{machine.files(), machine.clock,
                                                                  "Tester"};
  platform::substitute::ScriptedMessageBoxes messages;
  ScheduleServices services{schedulers, messages, machine.clock, kProgram};
  SchedulerSession session;
};

TEST_F(ScheduledScanTest, TickingTheBoxSetsTheCurrentTimeAndUntickingSetsHalfPastNine) {
  SchedulePage page;
  SetActiveSchedule(page, true, machine.clock);
  EXPECT_TRUE(page.controlsEnabled);
  EXPECT_EQ(page.startHour, 14);
  EXPECT_EQ(page.startMinute, 42);
  page.SpinEditDays = 5;
  SetActiveSchedule(page, true, machine.clock);
  EXPECT_EQ(page.SpinEditDays, 5) << "no change of state, no handler";
  SetActiveSchedule(page, false, machine.clock);
  EXPECT_FALSE(page.controlsEnabled);
  EXPECT_EQ(page.startHour, 9);
  EXPECT_EQ(page.startMinute, 30);
  EXPECT_EQ(page.SpinEditDays, 1);
}

TEST_F(ScheduledScanTest, ASchedule2115Every2DaysIsSavedAndShownWhenReopened) {
  SchedulePage page = Open();
  EXPECT_FALSE(page.cbActiveTask);
  SetActiveSchedule(page, true, machine.clock);
  page.startHour = 21;
  page.startMinute = 15;
  page.SpinEditDays = 2;
  ASSERT_EQ(SaveSchedule(services, session, page), ScheduleSaved::Saved);

  const platform::substitute::StoredJob job = Stored();
  EXPECT_EQ(job.application, kProgram);
  EXPECT_EQ(job.parameters, "-Scan");
  EXPECT_EQ(job.workingDirectory, "C:\\Program Files\\Halvex\\");
  EXPECT_EQ(job.comment, "Runs Hal Vex at Scheduled Time.");
  EXPECT_EQ(job.account, "Tester");
  EXPECT_EQ(job.flags, 0x2000u);
  EXPECT_EQ(job.taskFlags, 0u);
  platform::TaskTrigger expected;
  expected.beginYear = 2026;
  expected.beginMonth = 3;
  expected.beginDay = 7;
  expected.startHour = 21;
  expected.startMinute = 15;
  expected.type = platform::TriggerType::Daily;
  expected.daysInterval = 2;
  EXPECT_THAT(job.triggers, ElementsAre(expected));

  // Reopened in the same run, and in a later run with a scheduler of its own.
  SchedulePage reopened = Open();
  SchedulerSession laterRun;
  SchedulePage later;
  ASSERT_TRUE(EnsureScheduler(services, laterRun));
  LoadSchedule(services, laterRun, later);
  for (const SchedulePage& shown : {reopened, later}) {
    EXPECT_TRUE(shown.cbActiveTask);
    EXPECT_TRUE(shown.controlsEnabled);
    EXPECT_EQ(shown.startHour, 21);
    EXPECT_EQ(shown.startMinute, 15);
    EXPECT_EQ(shown.SpinEditDays, 2);
    EXPECT_EQ(shown.abTaskName, "Halvo.job");
    EXPECT_EQ(shown.taskProgram, kProgram);
  }
  EXPECT_NE(laterRun.currentTask, nullptr);
  EXPECT_THAT(Messages(), IsEmpty());
}

TEST_F(ScheduledScanTest, ChangingTheScheduleChangesTheTaskInPlace) {
  SchedulePage page = Open();
  SetActiveSchedule(page, true, machine.clock);
  ASSERT_EQ(SaveSchedule(services, session, page), ScheduleSaved::Saved);
  page = Open();
  page.startHour = 6;
  page.startMinute = 0;
  page.SpinEditDays = 31;
  machine.clock.SetNow({2026, 4, 1, 8, 0, 0, 0});
  ASSERT_EQ(SaveSchedule(services, session, page), ScheduleSaved::Saved);
  const auto job = Stored();
  ASSERT_EQ(job.triggers.size(), 1u);
  EXPECT_EQ(job.triggers[0].startHour, 6);
  EXPECT_EQ(job.triggers[0].daysInterval, 31);
  EXPECT_EQ(job.triggers[0].beginMonth, 4) << "from the day it is saved";
}

TEST_F(ScheduledScanTest, UntickingAndOkDeletesTheTaskAndReleasesIt) {
  SchedulePage page = Open();
  SetActiveSchedule(page, true, machine.clock);
  ASSERT_EQ(SaveSchedule(services, session, page), ScheduleSaved::Saved);
  page = Open();
  SetActiveSchedule(page, false, machine.clock);
  EXPECT_EQ(SaveSchedule(services, session, page), ScheduleSaved::Deleted);
  EXPECT_EQ(session.currentTask, nullptr);
  EXPECT_FALSE(Open().cbActiveTask);

  // Ticked again in the same run: a new task, not the deleted one.
  page = Open();
  SetActiveSchedule(page, true, machine.clock);
  page.SpinEditDays = 3;
  ASSERT_EQ(SaveSchedule(services, session, page), ScheduleSaved::Saved);
  EXPECT_EQ(Stored().application, kProgram);
  EXPECT_EQ(Stored().triggers.at(0).daysInterval, 3);
}

TEST_F(ScheduledScanTest, CancelLeavesTheTask) {
  SchedulePage page = Open();
  SetActiveSchedule(page, true, machine.clock);
  ASSERT_EQ(SaveSchedule(services, session, page), ScheduleSaved::Saved);
  page = Open();
  SetActiveSchedule(page, false, machine.clock);  // and Cancel: nothing is saved
  EXPECT_TRUE(Open().cbActiveTask);
}

TEST_F(ScheduledScanTest, ATaskDeletedOutsideTheProgramIsNoLongerTheCurrentTask) {
  SchedulePage page = Open();
  SetActiveSchedule(page, true, machine.clock);
  ASSERT_EQ(SaveSchedule(services, session, page), ScheduleSaved::Saved);
  ASSERT_TRUE(machine.files().DeleteFile(kStore));
  page = Open();
  EXPECT_FALSE(page.cbActiveTask);
  EXPECT_EQ(session.currentTask, nullptr);
  EXPECT_EQ(SaveSchedule(services, session, page), ScheduleSaved::Unchanged);
}

TEST_F(ScheduledScanTest, ATaskThatCannotBeOpenedIsReportedAndReplacedOnOk) {
  machine.AddFile(kStore, "[Halvo.job]\r\nApplication=C:\\Old\\Halvex.exe\r\nTrigger=broken\r\n");
  SchedulePage page = Open();
  EXPECT_THAT(Messages(), ElementsAre("Error in SchedulingAgent.Activate.Error Code :8007000D"));
  EXPECT_TRUE(page.cbActiveTask) << "the box stays ticked";
  EXPECT_EQ(session.currentTask, nullptr);
  EXPECT_EQ(page.abTaskName, "");

  page.startHour = 21;
  page.startMinute = 15;
  ASSERT_EQ(SaveSchedule(services, session, page), ScheduleSaved::Saved);
  EXPECT_EQ(Stored().application, kProgram);
  EXPECT_EQ(Stored().triggers.at(0).startHour, 21);
  EXPECT_TRUE(Open().cbActiveTask);
  EXPECT_EQ(messages.shown().size(), 1u) << "the replaced task opens";
}

TEST_F(ScheduledScanTest, ATaskThatCannotBeOpenedIsDeletedWhenUnticked) {
  machine.AddFile(kStore, "[Halvo.job]\r\nTrigger=broken\r\n");
  SchedulePage page = Open();
  SetActiveSchedule(page, false, machine.clock);
  EXPECT_EQ(SaveSchedule(services, session, page), ScheduleSaved::Deleted);
  EXPECT_EQ(machine.Read(kStore), "");
}

TEST_F(ScheduledScanTest, AFailedSchedulerCreationDisablesThePageAndTriesAgainNextTime) {
  schedulers.FailCreation(platform::hresult::kClassNotRegistered);
  SchedulePage page = Open();
  EXPECT_THAT(Messages(), ElementsAre("Error in ActiveX.CoCreateInstance.Error Code :80040154"));
  EXPECT_EQ(messages.shown()[0].caption, "Hal Vex");
  EXPECT_FALSE(page.pageEnabled);
  EXPECT_FALSE(page.cbActiveTask);
  SetActiveSchedule(page, true, machine.clock);
  EXPECT_EQ(SaveSchedule(services, session, page), ScheduleSaved::Unchanged);

  schedulers.FailCreation(kOk);
  EXPECT_TRUE(Open().pageEnabled);
  EXPECT_EQ(schedulers.creations(), 2);
  Open();
  EXPECT_EQ(schedulers.creations(), 2) << "created once per run";
}

TEST_F(ScheduledScanTest, ATaskWithoutPersistenceIsReportedAndNotHeld) {
  schedulers.WithoutPersistence(true);
  SchedulePage page = Open();
  SetActiveSchedule(page, true, machine.clock);
  EXPECT_EQ(SaveSchedule(services, session, page), ScheduleSaved::Failed);
  EXPECT_THAT(Messages(),
              ElementsAre("Error in  Task.QueryInterface(IID_IPersistFile, pIPersistFile):"));
  EXPECT_EQ(session.currentTask, nullptr);
  EXPECT_EQ(machine.Read(kStore), "<missing>");
}

}  // namespace
}  // namespace halvex::app
