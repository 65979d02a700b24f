// halvex-cli repair: the scan of the chosen sections, then the repair of every problem found
// through the same repair driver as the Windows program, after its repair backup.
#include <cstdio>

#include "cli/console_scan.h"
#include "cli/repair_report.h"
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

constexpr VerbOption kNoBackupOption{.name = "--no-backup",
                                     .description = "repair without writing the repair backup"};
constexpr VerbOption kOptions[] = {kSectionOption, kNoBackupOption};

std::string BackupFailure(const backup::RepairBackupResult& backup) {
  const std::string what = backup.status == backup::RepairBackupStatus::Incomplete
                               ? "holds only part of what the repair would delete"
                               : "could not be written";
  return "the repair backup " + backup.path + " " + what +
         "; nothing was repaired (--no-backup repairs without a backup)";
}

VerbResult RunRepair(VerbCall& call) {
  platform::Platform& platform = call.machine.platform();
  // The settings are not read: that would store their defaults in the registry, and the command
  // line says all that matters.
  ConsoleScan scan;
  RunConsoleScan(call, ScanSettings::MarkEverything, scan);
  scan.settings.NotAutoBackup = call.line.Has(kNoBackupOption.name);

  const std::vector<int> rows = model::ResultRowSections(scan.model);
  ConsoleConversation conversation;
  const scan::RepairRun run = scan::RunRepair(
      {platform, call.machine.platformClass(), scan.model, scan.settings}, rows, conversation);

  VerbResult result =
      AnyRepairFailed(scan.model.RepairContents) ? VerbResult::Failed : VerbResult::Done;
  if (!rows.empty() && !run.repaired) result = call.Fail(BackupFailure(run.backup));
  if (run.repaired || run.backup.written()) call.MachineChanged();

  const std::optional<std::string> backupPath =
      run.backup.written() ? std::optional<std::string>(run.backup.path) : std::nullopt;
  const std::string report =
      call.line.json
          ? RepairReportJson(backupPath, scan.model.RepairContents, platform.locale).dump(2) + "\n"
          : RepairReportText(backupPath, scan.model.RepairContents, platform.locale);
  std::fputs(report.c_str(), call.console.out);
  return result;
}

}  // namespace

extern const Verb kRepairVerb{
    .name = "repair",
    .usage =
        "Scans, then repairs every problem found, after saving what the repair deletes in\n"
        "a repair backup (RepairBackup\\_yyyymmdd_hhnnss.reg in the program folder); when\n"
        "the backup cannot be written, nothing is repaired. Lists each repair's status.\n"
        "A machine folder gets every change written back: DIR/registry.reg and DIR/drives.",
    .options = kOptions,
    .writesJson = true,
    .run = RunRepair};

}  // namespace halvex::cli
