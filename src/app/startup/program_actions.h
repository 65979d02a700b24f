#pragma once
// The steps that start-up, the main window and the tray share, and the hooks through which a
// test puts its own in their place: loading the settings, the online update check (at start-up
// when the setting asks for it, and from the tray item "Update online"), the preferences dialog,
// filling the backup list, clearing the selections at exit and the automatic scan.
#include <functional>

#include "app/options/scheduled_scan.h"
#include "model/settings.h"
#include "ui/program_services.h"

namespace halvex::app {

// CheckForUpdate; the program ends when the updater started, and only then.
void RunUpdateCheck(const ui::ProgramServices& services);
// The preferences dialog, shown modally; OK changes `settings`. The scheduler the dialog makes
// stays in `session` until the program ends.
void ShowPreferences(const ui::ProgramServices& services, SchedulerSession& session,
                     model::TMyRegistryInfo& settings);

// Each hook left empty is the program's own step; tests fill the ones they watch.
struct ProgramHooks {
  std::function<model::TMyRegistryInfo()> loadSettings{};  // LoadSettings over the registry
  std::function<void()> checkForUpdate{};                  // RunUpdateCheck
  // ShowPreferences, which changes the program's settings record.
  std::function<void(model::TMyRegistryInfo& settings)> showOptions{};
  std::function<void()> fillBackupList{};  // the backup sheet's list, before the sheet shows
  std::function<void()> scanNow{};         // the automatic scan of a start with an argument
};

}  // namespace halvex::app
