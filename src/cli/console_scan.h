#pragma once
// The scan as scan and repair run it on a console: the --section option, and one function that
// sets up the scan model and runs the scan driver over the chosen sections.
#include "cli/verb.h"
#include "model/scan_model.h"
#include "model/settings.h"
#include "scan/scan_driver.h"

namespace halvex::cli {

// Why --section refuses `value`: it is no section number.
std::optional<std::string> RefuseSectionNumber(const std::string& value);

// --section N, repeatable; the sections chosen are read back with ChosenSections.
inline constexpr VerbOption kSectionOption{
    .name = "--section",
    .valueName = "N",
    .valueNeeded = "a number from 1 to 17",
    .description =
        "scan section N (1 to 17); repeat it for several sections;\nthe default is all 17",
    .repeatable = true,
    .refuse = RefuseSectionNumber};

// The sections the call names with --section; every section when it names none.
scan::SectionChoice ChosenSections(const CommandLine& line);

// Where the scan's settings come from.
enum class ScanSettings {
  Stored,          // LoadSettings, as the Windows program reads them (which stores their defaults)
  MarkEverything,  // none read: every problem found is marked for repair
};

// A scan's model and the settings it ran with.
struct ConsoleScan {
  model::ScanModel model;
  model::TMyRegistryInfo settings;
};

// Fills `scan` by running the scan driver over the chosen sections of the call's machine, with a
// progress line on standard error while that is a terminal and no JSON is asked for. Warns on
// standard error when the ignore list could not be read.
void RunConsoleScan(VerbCall& call, ScanSettings settings, ConsoleScan& scan);

}  // namespace halvex::cli
