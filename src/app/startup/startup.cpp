#include "app/startup/startup.h"

#include "app/shared/product.h"
#include "app/startup/elevation.h"
#include "app/startup/single_instance.h"
#include "app/startup/start_form.h"

namespace halvex::app {

namespace {

// How long the splash stays when no update check takes its place.
constexpr unsigned kSplashPause = 3000;

}  // namespace

std::optional<RunningProgram> StartProgram(const ui::ProgramServices& services,
                                           const std::string& startArgument, ProgramHooks hooks) {
  platform::Desktop& desktop = services.desktop;
  if (HandOverToRunningCopy(desktop.windows, desktop.pump) == InstanceOutcome::HandedOver) {
    return std::nullopt;
  }

  services.windows.SetApplicationTitle(kApplicationTitle);
  const model::TMyRegistryInfo settings =
      hooks.loadSettings ? hooks.loadSettings() : model::LoadSettings(services.platform.registry);
  std::function<void()> checkForUpdate = hooks.checkForUpdate;
  if (!checkForUpdate) checkForUpdate = [&services] { RunUpdateCheck(services); };

  RunningProgram program;
  {
    TStartForm splash;
    services.windows.Show(splash);
    services.windows.Repaint(splash);

    program.dm = std::make_unique<TDM>(desktop.system, services.windows, settings.CheckUpdate,
                                       checkForUpdate);
    if (services.windows.terminated()) return std::nullopt;
    if (!settings.CheckUpdate) desktop.pump.SleepPumping(kSplashPause);
  }

  if (RunElevationStep(services.platform.registry, desktop.system, desktop.processes,
                       startArgument) == ElevationOutcome::RestartedElevated) {
    return std::nullopt;
  }

  program.mainForm = std::make_unique<THalvexMainForm>(services, *program.dm, settings,
                                                       startArgument, std::move(hooks));
  services.windows.SetMainForm(*program.mainForm);
  services.windows.Show(*program.mainForm);
  return program;
}

}  // namespace halvex::app
