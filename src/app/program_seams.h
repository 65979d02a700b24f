#pragma once
// What start-up, the main window and the tray leave to the rest of the program, filled in: the
// online update check (at start-up when the setting asks for it, and from the tray item "Update
// online") and the preferences dialog. The parts live for the whole run; the scheduler the
// preferences make is held here until the program ends.
#include <string>

#include "app/scheduled_scan.h"
#include "app/startup.h"
#include "model/vendor_config.h"
#include "platform/desktop.h"
#include "platform/http_client.h"
#include "platform/platform.h"
#include "platform/task_scheduler.h"
#include "ui/window_system.h"

namespace halvex::app {

struct ProgramParts {
  platform::Platform& platform;
  platform::Desktop& desktop;
  ui::WindowSystem& windows;
  platform::HttpClient& http;
  platform::TaskSchedulerService& schedulers;
  std::string updateServer = std::string(model::kUpdateServer);
  SchedulerSession session{};
};

// CheckForUpdate; the program ends when the updater started, and only then.
void RunUpdateCheck(ProgramParts& parts);
// The preferences dialog, shown modally; OK changes `settings`.
void ShowPreferences(ProgramParts& parts, model::TMyRegistryInfo& settings);

// Start-up's seams with the update check and the preferences; the settings are loaded as
// start-up does by itself.
StartupSeams ProgramSeams(ProgramParts& parts);

}  // namespace halvex::app
