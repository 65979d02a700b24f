#pragma once
// The online update check: the version file "Update.ini" is fetched from the update server into
// the program folder, its "Ver" of section "Version" is compared with the installed version, and
// when it is newer the user may hand over to the updater "HalvoUpdate.exe" beside the program.
#include <string>

#include "model/vendor_config.h"
#include "platform/http_client.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "platform/process_starter.h"

namespace halvex::app {

struct UpdateCheckServices {
  platform::Platform& platform;
  platform::HttpClient& http;
  platform::MessageBoxes& messages;
  platform::ProcessStarter& processes;
  // Scheme and host of the update server; tests name their own.
  std::string updateServer = std::string(model::kUpdateServer);
};

enum class UpdateAvailability {
  Newer,
  NotNewer,
  Unknown,  // the version file could not be fetched or stored: no answer
};

// Fetches the version file and compares (model::IsNewerVersion). A version file that was not
// fetched gives no answer, even when an earlier one lies in the program folder.
[[nodiscard]] UpdateAvailability IsNewerVersionAvailable(const UpdateCheckServices& services);

enum class UpdateOffer {
  Declined,
  UpdaterStarted,     // the program must end now, so that the updater can replace it
  UpdaterNotStarted,  // the user said yes but the updater could not be started: keep running
};

// Asks whether to update now; on Yes starts the updater from the program folder.
[[nodiscard]] UpdateOffer OfferUpdate(const UpdateCheckServices& services);

enum class UpdateCheckOutcome {
  NoAnswer,  // the check failed silently
  UpToDate,
  Declined,
  UpdaterStarted,
  UpdaterNotStarted,
};

// CheckForUpdate, at start-up and from the tray item "Update online": asks IsNewerVersionAvailable
// and, when the answer is yes, makes the offer. The caller ends the program exactly when the
// outcome is UpdaterStarted.
[[nodiscard]] UpdateCheckOutcome CheckForUpdate(const UpdateCheckServices& services);

// The preferences' "Check for Update": as CheckForUpdate, and when there is no newer version
// says "There are no updates available at this time.\rYour Halvex is up-to-date.". A failed
// download ends the check silently.
[[nodiscard]] UpdateCheckOutcome CheckForUpdateOnRequest(const UpdateCheckServices& services);

}  // namespace halvex::app
