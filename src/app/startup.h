#pragma once
// The program's start: single instance, title, settings, splash, data module, the pause or the
// update check, the elevation restart, and the main window.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/data_module.h"
#include "app/main_form.h"
#include "model/settings.h"
#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "platform/registry.h"
#include "ui/busy_state.h"
#include "ui/window_system.h"

namespace halvex::app {

struct StartupServices {
  platform::Registry& registry;
  platform::FileSystem& files;
  platform::Desktop& desktop;
  ui::WindowSystem& windows;
  ui::BusyState& busy;
  // The whole machine, for the scan (see MainFormServices::platform).
  platform::Platform* platform = nullptr;
};

// Loads the settings; the program's own is LoadSettings over the registry, tests hand in theirs.
using SettingsLoader = std::function<model::TMyRegistryInfo()>;

// The parts start-up calls that live elsewhere.
struct StartupSeams {
  SettingsLoader loadSettings;
  std::function<void()> checkForUpdate;  // the online update check; may end the program
  MainFormHooks hooks;
};

// What runs once start-up is done: the message loop keeps these alive. The data module
// outlives the main window.
struct RunningProgram {
  std::unique_ptr<TDM> dm;
  std::unique_ptr<THalvexMainForm> mainForm;

  RunningProgram() = default;
  RunningProgram(RunningProgram&&) = default;
  RunningProgram& operator=(RunningProgram&&) = default;
  ~RunningProgram() { mainForm.reset(); }
};

// Runs start-up up to the shown main window. nullopt when this copy ends instead: another copy
// runs, the update check ended the program, or an elevated copy takes over.
[[nodiscard]] std::optional<RunningProgram> StartProgram(const StartupServices& services,
                                                         const StartupSeams& seams,
                                                         const std::string& startArgument);

}  // namespace halvex::app
