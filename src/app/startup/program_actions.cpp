#include "app/startup/program_actions.h"

#include "app/options/options_form.h"
#include "app/startup/update_check.h"

namespace halvex::app {

void RunUpdateCheck(const ui::ProgramServices& services) {
  const UpdateCheckServices check{services.platform, services.http, services.desktop.messages,
                                  services.desktop.processes, services.updateServer};
  if (CheckForUpdate(check) == UpdateCheckOutcome::UpdaterStarted) services.windows.Terminate();
}

void ShowPreferences(const ui::ProgramServices& services, SchedulerSession& session,
                     model::TMyRegistryInfo& settings) {
  TFormOptions options(
      OptionsServices{services.platform, services.desktop.messages, services.desktop.processes,
                      services.http, services.schedulers, services.windows,
                      services.desktop.system.ExecutablePath(), services.updateServer},
      session, settings);
  (void)services.windows.ShowModal(options);
}

}  // namespace halvex::app
