#pragma once
// The standard repair loop that every section's repair runs: for each marked problem, show it,
// record it, perform the section's repair target and say honestly how that went.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/scan_model.h"
#include "platform/platform.h"

namespace halvex::scan {

struct SectionRow;

inline constexpr std::string_view kRepairedStatus = "Repaired Successfully";
// Any status that contains "Error" is painted red in the finish list.
inline constexpr std::string_view kNotRepairedStatus = "Error: could not be repaired";
// A file the repair backup could not copy is left where it is: its deletion could not be undone.
inline constexpr std::string_view kNotCopiedStatus =
    "Error: not repaired, as no copy of the file could be saved in the repair backup";

// What a running repair shows and asks of whoever runs it (the repair dialog, or halvex-cli).
class RepairFrontEnd {
 public:
  virtual ~RepairFrontEnd() = default;
  // The repair dialog's progress label (abRepair).
  virtual void ShowRepairProgress(std::string_view text) = 0;
  // The finish list now has this many rows.
  virtual void ShowRepairCount(std::size_t count) = 0;
  virtual void ProcessMessages() = 0;
};

struct RepairContext {
  platform::Platform& platform;
  model::ScanModel& model;
  RepairFrontEnd& frontEnd;
  // The files the repair backup copied, when a backup was written: any other file that exists is
  // left in place. Null when the user turned the automatic backup off.
  const std::vector<std::string>* copiedFiles = nullptr;
};

// Repairs the marked problems of the section's collection, appending one repair record per
// problem processed. Stops before the next problem once the abort flag asks the repair to stop.
// "Repaired Successfully" only when the change was made or its target was already gone; an
// error inside the section's repair ends that section with the error in its last record.
void RepairSection(RepairContext& context, const SectionRow& row);

// The key path as the section's repair shows it: without its leading root name when the
// section hides it, and as it is otherwise.
std::string_view ShownKeyPath(const SectionRow& row, std::string_view keyPath);

}  // namespace halvex::scan
