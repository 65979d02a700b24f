#include "app/program_seams.h"

#include "app/options_form.h"
#include "app/update_check.h"

namespace halvex::app {

void RunUpdateCheck(ProgramParts& parts) {
  const UpdateCheckServices services{parts.platform, parts.http, parts.desktop.messages,
                                     parts.desktop.processes, parts.updateServer};
  if (CheckForUpdate(services) == UpdateCheckOutcome::UpdaterStarted) parts.windows.Terminate();
}

void ShowPreferences(ProgramParts& parts, model::TMyRegistryInfo& settings) {
  TFormOptions options(
      OptionsServices{parts.platform, parts.desktop.messages, parts.desktop.processes, parts.http,
                      parts.schedulers, parts.windows, parts.desktop.system.ExecutablePath(),
                      parts.updateServer},
      parts.session, settings);
  (void)parts.windows.ShowModal(options);
}

StartupSeams ProgramSeams(ProgramParts& parts) {
  StartupSeams seams;
  seams.checkForUpdate = [&parts] { RunUpdateCheck(parts); };
  seams.hooks.checkForUpdate = [&parts] { RunUpdateCheck(parts); };
  seams.hooks.showOptions = [&parts](model::TMyRegistryInfo& settings) {
    ShowPreferences(parts, settings);
  };
  return seams;
}

}  // namespace halvex::app
