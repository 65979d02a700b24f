#include "scan/scan_driver.h"

#include <exception>

#include "model/ignore_list.h"
#include "scan/section_table.h"

namespace halvex::scan {

ScanOutcome ScanAllSections(ScanContext& context, const SectionChoice& chosen) {
  model::ScanModel& model = context.model;
  ScanOutcome outcome;
  outcome.ignoreListRead = model::LoadIgnoreList(context.platform.files, model.IgnoreContents);
  model.counters.Reset();

  for (const SectionRow& row : SectionTable()) {
    if (model.abortFlag == model::abort_flag::kStopScan) break;
    if (!chosen[static_cast<std::size_t>(row.number - 1)]) {
      context.frontEnd.SectionSkipped(row.number);
      continue;
    }
    context.frontEnd.SectionStarted(row.number);
    context.frontEnd.ShowSectionCount(row.number, 0);
    // Cleared here, once per section and never by a routine: a section with two roots scans
    // both into one collection.
    model.SectionContents[static_cast<std::size_t>(row.number)].clear();
    try {
      for (platform::RootKey root : row.roots) {
        SectionScan scan(context, row, root);
        row.routines.Scan(scan);
      }
    } catch (const std::exception& error) {
      // One broken section must not throw away what the others find.
      context.frontEnd.SectionFailed(row.number, error.what());
    }
    context.frontEnd.SectionFinished(
        row.number, model.SectionContents[static_cast<std::size_t>(row.number)].size());
  }
  return outcome;
}

}  // namespace halvex::scan
