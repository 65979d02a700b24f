#pragma once
// The task scheduler of the substitute machine: work items are kept in the machine's job store
// (job_store.h) on its file system, so that a scheduler created later, or by a later run on the
// same machine, sees what was saved. It answers as Windows does, where Wine differs: names are
// taken with or without ".job" and compare without regard to case, a new work item of an
// existing name is refused with kFileExists, and a missing trigger is kTriggerNotFound.
#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/task_scheduler.h"

namespace halvex::platform::substitute {

class SubstituteTaskSchedulerService final : public TaskSchedulerService {
 public:
  SubstituteTaskSchedulerService(FileSystem& files, Clock& clock, std::string userName = "User");

  // Every later creation of the scheduler fails with `code` (kOk: succeeds again).
  void FailCreation(HResult code) { creationFailure_ = code; }
  // Tasks handed out from now on have no persistence interface: Save is kNoInterface.
  void WithoutPersistence(bool without) { state_->withoutPersistence = without; }
  int creations() const { return creations_; }

  HResult CreateScheduler(std::unique_ptr<TaskScheduler>& scheduler) override;
  std::string CurrentUserName() override { return userName_; }

  // What the scheduler objects and tasks of this service share.
  struct State {
    FileSystem& files;
    Clock& clock;
    bool withoutPersistence = false;
  };

 private:
  std::shared_ptr<State> state_;
  std::string userName_;
  HResult creationFailure_ = hresult::kOk;
  int creations_ = 0;
};

}  // namespace halvex::platform::substitute
