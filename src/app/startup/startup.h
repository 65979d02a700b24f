#pragma once
// The program's start: single instance, title, settings, splash, data module, the pause or the
// update check, the elevation restart, and the main window.
#include <memory>
#include <optional>
#include <string>

#include "app/main_window/main_form.h"
#include "app/shared/data_module.h"
#include "app/startup/program_actions.h"
#include "ui/program_services.h"

namespace halvex::app {

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
// `hooks` are the program's own steps unless a test fills them.
[[nodiscard]] std::optional<RunningProgram> StartProgram(const ui::ProgramServices& services,
                                                         const std::string& startArgument,
                                                         ProgramHooks hooks = {});

}  // namespace halvex::app
