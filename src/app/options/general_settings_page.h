#pragma once
// The "General Settings" page of the preferences: what its boxes and its version line show,
// read from the registry and the executable, and written back on OK.
#include <string>

#include "model/settings.h"
#include "platform/platform.h"

namespace halvex::app {

struct GeneralSettingsPage {
  bool ChkRun = false;         // "Run at windows startup"
  bool ChkAutoBackup = false;  // "NotAutoBackup"
  bool ChkCheckItem = false;   // "SelectAll"
  bool cbCheckUpdate = false;  // "CheckUpdate"
  std::string LabelVer;        // the version line
  friend bool operator==(const GeneralSettingsPage&, const GeneralSettingsPage&) = default;
};

// Every box from the registry (a box whose value is missing shows unticked) and the version
// line: "Version: " + the installed version ("3.0" when none is stored) + ", Last Time: " + the
// executable's last write time in the system's date and time format, or "Unknowable Version"
// when the executable cannot be found. Nothing is created.
GeneralSettingsPage LoadGeneralSettings(platform::Platform& platform,
                                        const std::string& executablePath);

// OK: the Run entry (run_entry.h) and the three settings as "1" or "0", the settings key
// created when missing; each flag of the record follows at once when its value was written, and
// keeps its old state when it was not. Write failures are not reported.
void SaveGeneralSettings(platform::Platform& platform, const std::string& executablePath,
                         const GeneralSettingsPage& page, model::TMyRegistryInfo& settings);

}  // namespace halvex::app
