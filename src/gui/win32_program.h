#pragma once
// The program's services over the real system, built in this one place: the live machine that
// halvex-cli also runs on, the desktop, the window system that renders the windows, the
// network and the task scheduler. Lives for the whole run.
#include <string>

#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_http_client.h"
#include "platform/win32/win32_machine.h"
#include "platform/win32/win32_restore_points.h"
#include "platform/win32/win32_task_scheduler.h"
#include "ui/busy_state.h"
#include "ui/program_services.h"
#include "ui/win32/win32_window_system.h"

namespace halvex::gui {

class Win32Program {
 public:
  Win32Program();
  Win32Program(const Win32Program&) = delete;
  Win32Program& operator=(const Win32Program&) = delete;

  const ui::ProgramServices& services() const { return services_; }
  ui::win32::Win32WindowSystem& windows() { return windows_; }

 private:
  platform::win32::Win32Machine machine_;
  platform::win32::Win32MessageBoxes messages_;
  platform::win32::Win32MessagePump pump_;
  platform::win32::Win32ProcessStarter processes_;
  platform::win32::Win32WindowMessages windowMessages_;
  platform::win32::Win32SystemInfo system_;
  platform::Desktop desktop_{messages_, pump_, processes_, windowMessages_, system_};
  ui::win32::Win32WindowSystem windows_{messages_};
  ui::BusyState busy_;
  platform::win32::Win32HttpClient http_;
  platform::win32::Win32TaskSchedulerService schedulers_;
  platform::win32::Win32RestorePoints restorePoints_;
  ui::ProgramServices services_;
};

}  // namespace halvex::gui
