#pragma once
// The backup, apply and restore of the tweaks, one routine each for all 27 rows of the tweak
// table.
//
// A section of the speed backup file holds a tweak's saved keys F1 to F4, and beside them, for
// every value its apply writes, "PriorN" (the value before the run: "none", or its type and
// data) and "CreatedN" (the highest key the run created for it, when it created one). The
// restore puts exactly that back: what did not exist is deleted, every other value gets its own
// type and data again, and keys the run created go when they are empty. A file without the
// extra keys restores through the table's restore steps. The restore leaves the file as it is,
// so restoring one file twice gives the same registry.
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"
#include "tools/system_speed/profile_file.h"
#include "tools/system_speed/tweak_table.h"

namespace halvex::tools::system_speed {

// What went wrong in a run, one line per step the system refused; empty when all went well.
struct StepFailures {
  std::vector<std::string> lines;
  void Add(std::string line) { lines.push_back(std::move(line)); }
  bool empty() const { return lines.empty(); }
};

// Writes the tweak's section into the file. A section this run has written already (boxes 13
// and 27 share one) keeps what it holds, which is the state before either ran.
void BackupTweakValues(platform::Registry& registry, ProfileFile& file, const Tweak& tweak,
                       StepFailures& failures);
void ApplyTweak(platform::Registry& registry, const Tweak& tweak, StepFailures& failures);
// For each ticked box from 1 to 27: its backup, then its apply.
void ApplyTweaks(platform::Registry& registry, ProfileFile& file, const TweakBoxes& boxes,
                 StepFailures& failures);

// Restores one section; a section with no keys is absent and changes nothing.
void RestoreSection(platform::Registry& registry, ProfileFile& file, std::string_view section,
                    StepFailures& failures);
// Every section of the file in the restore order.
void RestoreTweaks(platform::Registry& registry, ProfileFile& file, StepFailures& failures);

}  // namespace halvex::tools::system_speed
