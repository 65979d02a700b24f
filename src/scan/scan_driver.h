#pragma once
// The section loop of a scan: every chosen section 1 .. 17 in order, until the user stops it.
#include <array>

#include "model/scan_sections.h"
#include "scan/section_scan.h"

namespace halvex::scan {

// Which sections to scan, by number - 1. The scan sheet's section marks may change it while the
// scan runs (between entries); a section not reached yet then follows the new choice.
using SectionChoice = std::array<bool, model::kSectionCount>;

struct ScanOutcome {
  // False when the ignore file exists but could not be read: the scan then ran with an empty
  // ignore list, and excluded entries may be reported again.
  bool ignoreListRead = true;
};

// Reloads the ignore list, resets the counters and runs each chosen section's scan routine
// (once per root of its table row) into its collection, emptied just before. An error inside one
// section is reported to the front end and ends only that section. Stops before the next section
// once the abort flag asks the scan to stop; what was found so far stays.
ScanOutcome ScanAllSections(ScanContext& context, const SectionChoice& chosen);

// All seventeen sections.
constexpr SectionChoice AllSections() {
  SectionChoice all{};
  all.fill(true);
  return all;
}

}  // namespace halvex::scan
