// The Scheduling page's operations on the system's task scheduler under Wine: the schedule of
// 21:15 every 2 days saved, then shown again by a later run, then deleted.
#include <gtest/gtest.h>

#include "app/options/scheduled_scan.h"
#include "platform/substitute/fixed_clock.h"
#include "platform/substitute/scripted_message_boxes.h"
#include "platform/win32/win32_task_scheduler.h"

namespace halvex::app {
namespace {

class ScheduledScanUnderWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A task left by an earlier run that stopped half-way.
    SchedulerSession cleanup;
    ASSERT_TRUE(EnsureScheduler(services, cleanup));
    (void)cleanup.scheduler->Delete(kScheduledTaskName);
  }
  void TearDown() override {
    SchedulerSession cleanup;
    if (EnsureScheduler(services, cleanup)) (void)cleanup.scheduler->Delete(kScheduledTaskName);
  }

  platform::win32::Win32TaskSchedulerService schedulers;
  platform::substitute::ScriptedMessageBoxes messages;
  platform::substitute::FixedClock clock{{2026, 3, 7, 14, 42, 5, 0}};
  ScheduleServices services{schedulers, messages, clock, "C:\\windows\\notepad.exe"};
};

TEST_F(ScheduledScanUnderWineTest, SavesTheScheduleShowsItAgainAndDeletesIt) {
  SchedulerSession run;
  ASSERT_TRUE(EnsureScheduler(services, run));
  SchedulePage page;
  LoadSchedule(services, run, page);
  ASSERT_FALSE(page.cbActiveTask);
  SetActiveSchedule(page, true, clock);
  page.startHour = 21;
  page.startMinute = 15;
  page.SpinEditDays = 2;
  ASSERT_EQ(SaveSchedule(services, run, page), ScheduleSaved::Saved);

  SchedulerSession laterRun;
  ASSERT_TRUE(EnsureScheduler(services, laterRun));
  SchedulePage shown;
  LoadSchedule(services, laterRun, shown);
  EXPECT_TRUE(shown.cbActiveTask);
  EXPECT_EQ(shown.startHour, 21);
  EXPECT_EQ(shown.startMinute, 15);
  EXPECT_EQ(shown.SpinEditDays, 2);
  EXPECT_EQ(shown.abTaskName, "Halvo.job");
  EXPECT_EQ(shown.taskProgram, "C:\\windows\\notepad.exe");
  std::string parameters;
  ASSERT_NE(laterRun.currentTask, nullptr);
  ASSERT_EQ(laterRun.currentTask->GetParameters(parameters), platform::hresult::kOk);
  EXPECT_EQ(parameters, "-Scan");

  SetActiveSchedule(shown, false, clock);
  EXPECT_EQ(SaveSchedule(services, laterRun, shown), ScheduleSaved::Deleted);
  SchedulePage afterwards;
  LoadSchedule(services, laterRun, afterwards);
  EXPECT_FALSE(afterwards.cbActiveTask);
  EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace halvex::app
