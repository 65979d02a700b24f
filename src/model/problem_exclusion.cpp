#include "model/problem_exclusion.h"

#include "model/ignore_list.h"
#include "model/scan_sections.h"

namespace halvex::model {

Exclusion ExcludeProblem(platform::FileSystem& files, ScanModel& model, int shownSection,
                         std::size_t index) {
  const std::optional<ProblemPlace> place = model.OwnerOf(shownSection, index);
  if (!place) return {};
  TRegistryContents& owner = model.SectionContents[static_cast<std::size_t>(place->section)];
  const registry_content::TContent& problem = owner[place->index];
  // An exclusion that was not stored must not look done: the problem would be back next scan.
  if (!AppendIgnoreEntry(files, ExclusionCategory(place->section), problem.KeyPath,
                         problem.ValueName)) {
    return {ExclusionOutcome::NotStored, 0};
  }
  owner.erase(owner.begin() + static_cast<std::ptrdiff_t>(place->index));
  if (shownSection == kAllProblemsSection) model.RebuildAllProblems();
  return {ExclusionOutcome::Excluded, place->section};
}

}  // namespace halvex::model
