#include "cli/console_scan.h"

#include <charconv>

#include "cli/console_front_end.h"
#include "model/drive_checks.h"

namespace halvex::cli {
namespace {

std::optional<int> SectionNumber(const std::string& text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (number < 1 || number > model::kSectionCount) return std::nullopt;
  return number;
}

}  // namespace

std::optional<std::string> RefuseSectionNumber(const std::string& value) {
  if (SectionNumber(value)) return std::nullopt;
  return "--section takes a number from 1 to 17, not '" + value + "'";
}

scan::SectionChoice ChosenSections(const CommandLine& line) {
  const std::vector<std::string> numbers = line.Values(kSectionOption.name);
  if (numbers.empty()) return scan::AllSections();
  scan::SectionChoice chosen{};
  for (const std::string& number : numbers) {
    chosen[static_cast<std::size_t>(*SectionNumber(number) - 1)] = true;
  }
  return chosen;
}

void RunConsoleScan(VerbCall& call, ScanSettings settings, ConsoleScan& scan) {
  platform::Platform& platform = call.machine.platform();
  scan.model.ExcludedDrives = model::BuildExcludedDriveList(platform.files, scan.model.abortFlag);
  if (settings == ScanSettings::Stored) {
    scan.settings = model::LoadSettings(platform.registry);
  } else {
    scan.settings = {};
    scan.settings.SelectAll = true;
  }
  ConsoleFrontEnd frontEnd(platform.locale, !call.line.json && StandardErrorIsTerminal());
  scan::ScanContext context{platform, scan.model, scan.settings, frontEnd};
  scan.model.ClearSectionProblems();
  const scan::ScanOutcome outcome = scan::ScanAllSections(context, ChosenSections(call.line));
  if (!outcome.ignoreListRead) {
    std::fputs("halvex-cli: the ignore list could not be read; excluded entries may show again\n",
               call.console.err);
  }
}

}  // namespace halvex::cli
