#pragma once
// Excluding a problem from the results: its entry goes into the ignore list, so later scans pass
// it over, and the problem leaves its section's collection.
#include <cstddef>

#include "model/scan_model.h"
#include "platform/file_system.h"

namespace halvex::model {

enum class ExclusionOutcome {
  Excluded,   // the ignore line is stored and the problem taken out
  NotStored,  // the ignore file could not be written: the problem stays, or it would come back
  NoProblem,  // the shown collection has no such problem
};

struct Exclusion {
  ExclusionOutcome outcome = ExclusionOutcome::NoProblem;
  // The section the problem was taken from (1 .. 17); 0 unless excluded.
  int section = 0;
};

// Excludes problem `index` of the collection the results view shows: a section 1 .. 17, or the
// "All Problems" aggregate (0), whose copy leads to its original by its ProblemNo. The ignore
// line names the section's category, the KeyPath and the ValueName. When the aggregate is shown
// it is rebuilt, so that its rows stay in step with the problems.
Exclusion ExcludeProblem(platform::FileSystem& files, ScanModel& model, int shownSection,
                         std::size_t index);

}  // namespace halvex::model
