#include "app/startup/single_instance.h"

#include "app/shared/product.h"

namespace halvex::app {

namespace {

constexpr const char* kInstanceName = "HalvexSingleInstance";
constexpr unsigned kWaitStep = 100;

// Asks the running copy to restore itself, when its window is there.
bool HandOver(platform::WindowMessages& windows) {
  const auto running = windows.FindTopLevelWindow(kMainWindowClass);
  if (!running) return false;
  // Even when the post fails the other copy exists; a second one must not start beside it.
  (void)windows.PostToWindow(*running, kRestoreMessage, 0, 0);
  return true;
}

}  // namespace

InstanceOutcome HandOverToRunningCopy(platform::WindowMessages& windows,
                                      platform::MessagePump& pump) {
  if (HandOver(windows)) return InstanceOutcome::HandedOver;
  for (unsigned waited = 0;; waited += kWaitStep) {
    if (windows.ClaimInstance(kInstanceName)) return InstanceOutcome::FirstCopy;
    if (HandOver(windows)) return InstanceOutcome::HandedOver;
    // A copy that holds the claim and never shows a window (a start that hangs) is left
    // alone: two copies must not run side by side.
    if (waited >= kStartingCopyWait) return InstanceOutcome::HandedOver;
    pump.SleepPumping(kWaitStep);
  }
}

}  // namespace halvex::app
