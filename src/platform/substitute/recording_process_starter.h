#pragma once
// Starting programs, for tests: records every start and answers success unless told otherwise.
#include <vector>

#include "platform/process_starter.h"

namespace halvex::platform::substitute {

class RecordingProcessStarter final : public ProcessStarter {
 public:
  // Every later start fails, as a refused elevation or a missing program does.
  void FailStarts(bool fail) { fail_ = fail; }

  bool Start(const ProcessStart& start) override {
    started_.push_back(start);
    return !fail_;
  }

  const std::vector<ProcessStart>& started() const { return started_; }

 private:
  bool fail_ = false;
  std::vector<ProcessStart> started_;
};

}  // namespace halvex::platform::substitute
