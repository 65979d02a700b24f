// halvex-cli repair: the scan of the chosen sections, then the repair of every problem found
// through the same repair driver as the Windows program, after its repair backup.
#include <cstdio>

#include "cli/commands.h"
#include "cli/console_front_end.h"
#include "cli/machine_access.h"
#include "cli/repair_report.h"
#include "model/drive_checks.h"
#include "model/result_rows.h"
#include "repair/repair_driver.h"

namespace halvex::cli {
namespace {

// The console has no dialogs: no first full backup offer, and no repair without its backup
// unless --no-backup said so before.
class ConsoleConversation final : public scan::RepairConversation, scan::RepairFrontEnd {
 public:
  void OfferFirstFullBackup() override {}
  void Inform(std::string_view) override {}  // the report names the backup
  bool AskYesNo(std::string_view) override { return false; }
  void RepairStarted() override {}
  void RepairEnded() override {}
  scan::RepairFrontEnd& frontEnd() override { return *this; }

  void ShowRepairProgress(std::string_view) override {}
  void ShowRepairCount(std::size_t) override {}
  void ProcessMessages() override {}
};

std::string BackupFailure(const backup::RepairBackupResult& backup) {
  const std::string what = backup.status == backup::RepairBackupStatus::Incomplete
                               ? "holds only part of what the repair would delete"
                               : "could not be written";
  return "the repair backup " + backup.path + " " + what +
         "; nothing was repaired (--no-backup repairs without a backup)";
}

}  // namespace

int RunRepairCommand(const RepairOptions& options) {
  auto opened = OpenMachine(options.machineFolder);
  if (const auto* error = std::get_if<std::string>(&opened)) return Fail(*error, kExitUsage);
  Machine& machine = *std::get<std::unique_ptr<Machine>>(opened);
  platform::Platform& platform = machine.platform();

  model::ScanModel model;
  model.ExcludedDrives = model::BuildExcludedDriveList(platform.files, model.abortFlag);
  // The settings are not read: that would store their defaults in the registry, and the command
  // line says all that matters. Every problem found is marked for repair.
  model::TMyRegistryInfo settings;
  settings.SelectAll = true;
  settings.NotAutoBackup = options.noBackup;
  {
    ConsoleFrontEnd scanFrontEnd(platform.locale, !options.json && StandardErrorIsTerminal());
    scan::ScanContext scanContext{platform, model, settings, scanFrontEnd};
    const scan::ScanOutcome outcome = scan::ScanAllSections(scanContext, options.sections);
    if (!outcome.ignoreListRead) {
      std::fputs("halvex-cli: the ignore list could not be read; excluded entries may show again\n",
                 stderr);
    }
  }

  const std::vector<int> rows = model::ResultRowSections(model);
  ConsoleConversation conversation;
  const scan::RepairRun run =
      scan::RunRepair({platform, machine.platformClass(), model, settings}, rows, conversation);

  int exitCode = AnyRepairFailed(model.RepairContents) ? kExitFailure : kExitSuccess;
  if (!rows.empty() && !run.repaired) {
    exitCode = Fail(BackupFailure(run.backup), kExitFailure);
  }
  if (run.repaired || run.backup.written()) {
    if (const auto error = machine.SaveChanges()) {
      exitCode = Fail("the changes could not be saved: " + *error, kExitFailure);
    }
  }

  const std::optional<std::string> backupPath =
      run.backup.written() ? std::optional<std::string>(run.backup.path) : std::nullopt;
  if (options.json) {
    std::puts(RepairReportJson(backupPath, model.RepairContents, platform.locale).dump(2).c_str());
  } else {
    std::fputs(RepairReportText(backupPath, model.RepairContents, platform.locale).c_str(), stdout);
  }
  return exitCode;
}

}  // namespace halvex::cli
