#include "app/update_check.h"

#include "app/product.h"
#include "model/download_file.h"
#include "model/ini_text.h"
#include "model/program_folder.h"
#include "model/settings.h"
#include "model/update_server.h"
#include "model/version_order.h"

namespace halvex::app {
namespace {

constexpr std::string_view kVersionFileName = "Update.ini";
constexpr std::string_view kUpdaterFileName = "HalvoUpdate.exe";
constexpr std::string_view kUpdateQuestion =
    "A newer version of Halvex is available, Halvex will shut down to install the newer "
    "version.\rWould you like to update now?";
constexpr std::string_view kUpToDate =
    "There are no updates available at this time.\rYour Halvex is up-to-date.";

}  // namespace

UpdateAvailability IsNewerVersionAvailable(const UpdateCheckServices& services) {
  platform::FileSystem& files = services.platform.files;
  const std::string versionFile = model::InProgramFolder(files, kVersionFileName);
  if (model::DownloadFile(services.http, files,
                          model::UpdateServerUrl(services.updateServer, model::kVersionFilePath),
                          versionFile) != model::DownloadResult::Downloaded) {
    return UpdateAvailability::Unknown;
  }
  const std::optional<std::string> text = files.ReadFile(versionFile);
  if (!text) return UpdateAvailability::Unknown;

  const std::string offered =
      model::ReadIniValue(services.platform.locale, *text, "Version", "Ver");
  const std::string installed = model::ReadInstalledVersion(services.platform.registry);
  return model::IsNewerVersion(offered, installed) ? UpdateAvailability::Newer
                                                   : UpdateAvailability::NotNewer;
}

UpdateOffer OfferUpdate(const UpdateCheckServices& services) {
  if (services.messages.Show(kUpdateQuestion, kProductName, platform::MessageButtons::YesNo,
                             platform::MessageIcon::Information) != platform::MessageAnswer::Yes) {
    return UpdateOffer::Declined;
  }
  platform::FileSystem& files = services.platform.files;
  const platform::ProcessStart updater{.file = model::InProgramFolder(files, kUpdaterFileName),
                                       .parameters = "",
                                       .verb = "open",
                                       .folder = files.ProgramFolder(),
                                       .show = platform::ShowMode::Normal};
  return services.processes.Start(updater) ? UpdateOffer::UpdaterStarted
                                           : UpdateOffer::UpdaterNotStarted;
}

UpdateCheckOutcome CheckForUpdate(const UpdateCheckServices& services) {
  switch (IsNewerVersionAvailable(services)) {
    case UpdateAvailability::Unknown:
      return UpdateCheckOutcome::NoAnswer;
    case UpdateAvailability::NotNewer:
      return UpdateCheckOutcome::UpToDate;
    case UpdateAvailability::Newer:
      break;
  }
  switch (OfferUpdate(services)) {
    case UpdateOffer::Declined:
      return UpdateCheckOutcome::Declined;
    case UpdateOffer::UpdaterStarted:
      return UpdateCheckOutcome::UpdaterStarted;
    case UpdateOffer::UpdaterNotStarted:
      return UpdateCheckOutcome::UpdaterNotStarted;
  }
  return UpdateCheckOutcome::NoAnswer;
}

UpdateCheckOutcome CheckForUpdateOnRequest(const UpdateCheckServices& services) {
  const UpdateCheckOutcome outcome = CheckForUpdate(services);
  if (outcome == UpdateCheckOutcome::UpToDate) {
    (void)services.messages.Show(kUpToDate, kProductName, platform::MessageButtons::Ok,
                                 platform::MessageIcon::Information);
  }
  return outcome;
}

}  // namespace halvex::app
