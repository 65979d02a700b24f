#pragma once
// The state of the long operations. They run inside event handlers on the one UI thread and let
// the message loop run between their items, so other handlers can run meanwhile; those test
// this state before they change anything under the running loop (a sheet change would destroy
// the window whose handler is still running).
#include <cstdint>

namespace halvex::ui {

// The program-wide abort flag: 0 run, 1 stop the scan, 2 the history cleaner deletes, 3 stop
// a repair or a history clean.
namespace abort_flag {
inline constexpr std::uint8_t kRun = 0;
inline constexpr std::uint8_t kStopScan = 1;
inline constexpr std::uint8_t kHistoryDeleting = 2;
inline constexpr std::uint8_t kStopRepair = 3;
}  // namespace abort_flag

class RunState {
 public:
  std::uint8_t abortFlag = abort_flag::kRun;

  // True while any long loop runs.
  bool busy() const { return busyDepth_ > 0; }

  // Marks a long loop for as long as it lives; loops may nest.
  class [[nodiscard]] BusyScope {
   public:
    explicit BusyScope(RunState& state) : state_(state) { ++state_.busyDepth_; }
    ~BusyScope() { --state_.busyDepth_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    RunState& state_;
  };
  BusyScope Busy() { return BusyScope(*this); }

 private:
  int busyDepth_ = 0;
};

}  // namespace halvex::ui
