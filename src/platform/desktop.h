#pragma once
// The services of the interactive program beside the registry and the files: message boxes,
// the message pump, starting programs, messages to other copies and facts about the system.
#include "platform/message_boxes.h"
#include "platform/message_pump.h"
#include "platform/process_starter.h"
#include "platform/system_info.h"
#include "platform/window_messages.h"

namespace halvex::platform {

struct Desktop {
  MessageBoxes& messages;
  MessagePump& pump;
  ProcessStarter& processes;
  WindowMessages& windows;
  SystemInfo& system;
};

}  // namespace halvex::platform
