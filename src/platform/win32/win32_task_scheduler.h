#pragma once
// The task scheduler over the system's Task Scheduler 1.0 COM objects. Each object keeps COM
// initialised on its thread for as long as it lives, so that tasks may outlive the scheduler
// they came from.
#include "platform/task_scheduler.h"

namespace halvex::platform::win32 {

class Win32TaskSchedulerService final : public TaskSchedulerService {
 public:
  HResult CreateScheduler(std::unique_ptr<TaskScheduler>& scheduler) override;
  std::string CurrentUserName() override;
};

}  // namespace halvex::platform::win32
