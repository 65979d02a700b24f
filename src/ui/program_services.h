#pragma once
// Everything a window of the program asks of the world around it, always complete: the
// machine, the desktop, the window system and the busy state, the registry editor's runner,
// the network, the task scheduler and the update server's address. Halvex.exe fills it from
// the Win32 bindings, the tests from the substitute; nothing in it is optional, so no window
// needs a second path for a missing service.
#include <string>

#include "platform/desktop.h"
#include "platform/file_identity.h"
#include "platform/http_client.h"
#include "platform/platform.h"
#include "platform/process_runner.h"
#include "platform/shell_operations.h"
#include "platform/restore_points.h"
#include "platform/task_scheduler.h"
#include "ui/busy_state.h"
#include "ui/window_system.h"

namespace halvex::ui {

struct ProgramServices {
  platform::Platform& platform;
  platform::Desktop& desktop;
  // Runs the registry editor for imports and exports (backups, restores).
  platform::ProcessRunner& processRunner;
  platform::HttpClient& http;
  platform::TaskSchedulerService& schedulers;
  WindowSystem& windows;
  BusyState& busy;
  // Where the update check, the ActiveX list and the error list are fetched from.
  std::string updateServer;
  // The clean-up tools' shell (Recycle Bin, moves, drive names, folder picker) and the files'
  // identities.
  platform::ShellOperations& shell;
  platform::FileIdentities& identities;
  // The system restore service (the restore point tool).
  platform::RestorePointService& restorePoints;
};

}  // namespace halvex::ui
