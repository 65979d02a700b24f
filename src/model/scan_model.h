#pragma once
// The state that the scan, the results view and the repair share: the problem collections of
// the seventeen scan sections and their "All Problems" aggregate, the repair records of the last
// repair, the ignore list read at the last scan start, the counters of one scan, the drives that
// are not scanned and the abort flag.
//
// The program has exactly one of each. Instead of globals they live in one ScanModel that the
// main window (or halvex-cli) creates, owns and hands by reference to the scan driver, the
// scanners, the results view and the repair; it is destroyed with its owner. Tests make as many
// as they like, each starting empty.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "model/abort_flag.h"
#include "model/drive_checks.h"
#include "model/ignore_contents.h"
#include "model/registry_contents.h"
#include "model/scan_sections.h"

namespace halvex::model {

// Scan sections are numbered 1 .. 17; entry 0 of SectionContents is the "All Problems" aggregate.
inline constexpr int kAllProblemsSection = 0;

// The two counters of one scan; both are reset to 0 when a scan starts.
struct ScanCounters {
  // Incremented by each new problem before it is stored as the problem's ProblemNo.
  std::int32_t problemCounter = 0;
  // Incremented for each key or value a walking scanner visits; every 200th visit shows the
  // path being examined in the progress line.
  std::int32_t visitCounter = 0;

  void Reset() { *this = ScanCounters{}; }
};

// Where a problem record lives: its section 1 .. 17 and its index in that collection.
struct ProblemPlace {
  int section = 0;
  std::size_t index = 0;
};

class ScanModel {
 public:
  std::array<TRegistryContents, kSectionCount + 1> SectionContents;
  TRepairContents RepairContents;
  TIgnoreContents IgnoreContents;
  ScanCounters counters;
  // Built once when the owner is created (BuildExcludedDriveList), only read afterwards.
  ExcludedDriveList ExcludedDrives;
  std::uint8_t abortFlag = abort_flag::kRun;

  // The number of problems of sections 1 .. 17; the aggregate is not counted.
  std::size_t TotalProblemCount() const;
  // Empties all 18 entries of SectionContents, the aggregate included.
  void ClearSectionProblems();
  // Refills the aggregate with copies of the problems of sections 1 .. 17: grouped by section in
  // ascending number, each group in the order found.
  void RebuildAllProblems();
  // Sets Marked of problem `index` of `section`. For the aggregate (section 0) it also marks
  // the section record with the same ProblemNo, the first one found in ascending section order,
  // because the aggregate holds copies. False, changing nothing, for a section number outside
  // 0 .. 17 or an index past the section's end.
  [[nodiscard]] bool SetProblemMarked(int section, std::size_t index, bool mark);
  // Where problem `index` of `section` lives: the record itself for 1 .. 17; for the aggregate
  // (0) the section record with the copy's ProblemNo, the first in ascending section order.
  // nullopt for a section number outside 0 .. 17, an index past its end, or a copy whose
  // original is gone.
  std::optional<ProblemPlace> OwnerOf(int section, std::size_t index) const;
};

// How every scanner adds a problem it has decided on: `problem` carries what the section fills
// (KeyPath, ItemName, ValueName, ValueData and the four detail lines); this appends it to the
// section's collection, marked for repair when `selectAll` (the SelectAll setting) is on and
// numbered with the incremented problem counter. Returns the new index; the scanner then sets
// its count label to the collection's count ("%d").
std::size_t AddProblem(TRegistryContents& section, ScanCounters& counters, bool selectAll,
                       registry_content::TContent problem);

}  // namespace halvex::model
