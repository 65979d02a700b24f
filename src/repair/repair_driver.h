#pragma once
// The repair driver: what pressing Repair does, from the first full backup offer and the
// repair backup to the section loop, and what Finish clears afterwards. The main window and
// halvex-cli run the same driver; each tells it through RepairConversation how to show things
// to its user.
#include <cstdint>
#include <span>
#include <string_view>

#include "backup/repair_backup.h"
#include "model/scan_model.h"
#include "model/settings.h"
#include "platform/platform.h"
#include "scan/repair_loop.h"

namespace halvex::scan {

inline constexpr std::string_view kBackupCompleteMessage =
    "Registry backup complete! Backup file at \r%s folder.\r\rYou can use registry restore "
    "function to restore it.\rPress OK to repair problems now!";
// Asked when registry problems are marked and the backup could not be written (or not all of
// it): the repair could not be undone.
inline constexpr std::string_view kRepairWithoutBackupQuestion =
    "Registry backup was failed! The registry entries to repair could not be saved, so this "
    "repair could not be undone.\r\rDo you want to repair problems anyway?";

// What the repair shows its user and asks of them.
class RepairConversation {
 public:
  virtual ~RepairConversation() = default;
  // The first full backup dialog (TFirstFullBackupDialog), shown modally.
  virtual void OfferFirstFullBackup() = 0;
  // An information box with an OK button, caption "Hal Vex".
  virtual void Inform(std::string_view message) = 0;
  // A warning with Yes and No buttons; true for Yes.
  virtual bool AskYesNo(std::string_view question) = 0;
  // The repair dialog appears: from now on until RepairEnded nothing else of the main window
  // can start; Cancel stays usable.
  virtual void RepairStarted() = 0;
  // The repair dialog goes, whatever happened during the repair.
  virtual void RepairEnded() = 0;
  // Where the running repair shows its progress (the repair dialog and the finish list).
  virtual RepairFrontEnd& frontEnd() = 0;
};

struct RepairServices {
  platform::Platform& platform;
  platform::PlatformClass platformClass;  // decides the backup file's header
  model::ScanModel& model;
  model::TMyRegistryInfo& settings;
};

struct RepairRun {
  // False when nothing was repaired: no result rows, or the user declined to repair without
  // a backup. The finish page shows only after a repair.
  bool repaired = false;
  bool backupAttempted = false;  // false when "NotAutoBackup" is set
  backup::RepairBackupResult backup;
};

// The section loop: clears the repair records, then runs the repair of every row's section
// 1 .. 17 from the top until the abort flag asks the repair to stop. An error that escapes one
// section's repair ends up in that section's records, and the next section runs.
void RepairAllSections(RepairContext& context, std::span<const int> resultRowSections);

// Pressing Repair (RepairBtnClick) on the result rows:
// 1. no rows: nothing happens;
// 2. the first full backup offer while the "OneTime" flag is on; afterwards the flag is off and
//    "OneTime" = "1" is stored (when the settings key opens);
// 3. unless "NotAutoBackup" is set, the repair backup: when it was written completely, the
//    backup message names its folder; with nothing to save there is no message; when registry
//    problems are marked and it was not written (or not all of it), the user is asked whether
//    to repair anyway, and No repairs nothing;
// 4. the repair between RepairStarted and RepairEnded.
RepairRun RunRepair(RepairServices services, std::span<const int> resultRowSections,
                    RepairConversation& conversation);

// Pressing Finish (FinishBtnClick): clears the abort flag unless a scan is running, every
// section's problems and the repair records.
void FinishRepair(model::ScanModel& model, bool scanRunning);

// The repair dialog's Cancel (CancelBtnClick): the running section stops before its next
// problem and no further section starts.
void CancelRepair(model::ScanModel& model);

}  // namespace halvex::scan
