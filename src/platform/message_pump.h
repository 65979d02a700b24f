#pragma once
// The one UI thread's message loop, as long operations use it between their items: they let
// pending input, timers and painting through, and wait without freezing the windows.
namespace halvex::platform {

class MessagePump {
 public:
  virtual ~MessagePump() = default;
  // Handles every message that is waiting, then returns.
  virtual void ProcessMessages() = 0;
  // Waits about `milliseconds` while handling messages as they come.
  virtual void SleepPumping(unsigned milliseconds) = 0;
};

}  // namespace halvex::platform
