#include "app/single_instance.h"

#include "app/product.h"

namespace halvex::app {

InstanceOutcome HandOverToRunningCopy(platform::WindowMessages& windows) {
  const auto running = windows.FindTopLevelWindow(kMainWindowClass);
  if (!running) return InstanceOutcome::FirstCopy;
  // Even when the post fails the other copy exists; a second one must not start beside it.
  (void)windows.PostToWindow(*running, kRestoreMessage, 0, 0);
  return InstanceOutcome::HandedOver;
}

}  // namespace halvex::app
