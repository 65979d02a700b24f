// halvex-cli scan: the problems of the chosen sections, as text or JSON.
#include "cli/console_scan.h"
#include "cli/scan_report.h"

namespace halvex::cli {
namespace {

constexpr VerbOption kOptions[] = {kSectionOption};

VerbResult RunScan(VerbCall& call) {
  ConsoleScan scan;
  RunConsoleScan(call, ScanSettings::Stored, scan);
  platform::Locale& locale = call.machine.platform().locale;
  if (call.line.json) {
    std::fputs((ScanReportJson(scan.model, locale).dump(2) + "\n").c_str(), call.console.out);
  } else {
    std::fputs(ScanReportText(scan.model, locale).c_str(), call.console.out);
  }
  return scan.model.TotalProblemCount() > 0 ? VerbResult::Found : VerbResult::NothingFound;
}

}  // namespace

extern const Verb kScanVerb{
    .name = "scan",
    .usage = "Scans the registry and lists the problems found, section by section.",
    .options = kOptions,
    .writesJson = true,
    .run = RunScan};

}  // namespace halvex::cli
