#pragma once
// What the backup windows need of the system: the machine, the registry editor they wait for,
// and the message loop that keeps the windows alive meanwhile.
#include <functional>

#include "platform/desktop.h"
#include "platform/platform.h"
#include "platform/process_runner.h"
#include "ui/window_system.h"

namespace halvex::app {

struct BackupServices {
  platform::Platform& platform;
  platform::Desktop& desktop;
  platform::ProcessRunner& processes;
  ui::WindowSystem& windows;

  // How a wait for the registry editor lets the windows paint and take input.
  std::function<void()> Pump() const {
    return [&pump = desktop.pump] { pump.ProcessMessages(); };
  }
};

}  // namespace halvex::app
