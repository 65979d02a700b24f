// halvex-cli: the registry scan, repair and restore from a console, on the live system or on a
// machine folder (a registry.reg file plus drive folders). It runs the same scan driver,
// section routines, repair driver and backups as the Windows program.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/console_front_end.h"
#include "cli/machine_access.h"
#include "cli/scan_report.h"
#include "model/drive_checks.h"
#include "model/scan_model.h"
#include "model/settings.h"
#include "scan/scan_driver.h"

namespace {

using namespace halvex;

constexpr int kNoProblems = 0;
constexpr int kProblemsFound = 1;
constexpr int kUsageError = cli::kExitUsage;

int Fail(const std::string& reason) {
  return cli::Fail(reason, kUsageError);
}

int RunScan(const cli::ScanOptions& options) {
  auto opened = cli::OpenMachine(options.machineFolder);
  if (const auto* error = std::get_if<std::string>(&opened)) return Fail(*error);
  platform::Platform& platform = std::get<std::unique_ptr<cli::Machine>>(opened)->platform();

  model::ScanModel model;
  model.ExcludedDrives = model::BuildExcludedDriveList(platform.files, model.abortFlag);
  const model::TMyRegistryInfo settings = model::LoadSettings(platform.registry);
  cli::ConsoleFrontEnd frontEnd(platform.locale, !options.json && cli::StandardErrorIsTerminal());
  scan::ScanContext context{platform, model, settings, frontEnd};
  model.ClearSectionProblems();
  const scan::ScanOutcome outcome = scan::ScanAllSections(context, options.sections);
  if (!outcome.ignoreListRead) {
    std::fputs("halvex-cli: the ignore list could not be read; excluded entries may show again\n",
               stderr);
  }

  if (options.json) {
    std::puts(cli::ScanReportJson(model, platform.locale).dump(2).c_str());
  } else {
    std::fputs(cli::ScanReportText(model, platform.locale).c_str(), stdout);
  }
  return model.TotalProblemCount() > 0 ? kProblemsFound : kNoProblems;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const auto parsed = cli::ParseCommandLine(arguments);
  if (const auto* error = std::get_if<cli::UsageError>(&parsed)) {
    return Fail(error->reason + " (try --help)");
  }
  const cli::CommandLine& line = std::get<cli::CommandLine>(parsed);
  switch (line.command) {
    case cli::CommandLine::Command::Help:
      std::fputs(cli::kUsage, stdout);
      return kNoProblems;
    case cli::CommandLine::Command::Scan:
      return RunScan(line.scan);
    case cli::CommandLine::Command::Repair:
      return cli::RunRepairCommand(line.repair);
    case cli::CommandLine::Command::Restore:
      return cli::RunRestoreCommand(line.restore);
    case cli::CommandLine::Command::Backups:
      return cli::RunBackupsCommand(line.backups);
  }
  return kUsageError;
}
