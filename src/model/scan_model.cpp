#include "model/scan_model.h"

#include <utility>

namespace halvex::model {

std::size_t ScanModel::TotalProblemCount() const {
  std::size_t total = 0;
  for (int section = 1; section <= kSectionCount; ++section) {
    total += SectionContents[section].size();
  }
  return total;
}

void ScanModel::ClearSectionProblems() {
  for (TRegistryContents& contents : SectionContents) contents.clear();
}

void ScanModel::RebuildAllProblems() {
  TRegistryContents& all = SectionContents[kAllProblemsSection];
  all.clear();
  for (int section = 1; section <= kSectionCount; ++section) {
    const TRegistryContents& problems = SectionContents[section];
    all.insert(all.end(), problems.begin(), problems.end());
  }
}

bool ScanModel::SetProblemMarked(int section, std::size_t index, bool mark) {
  if (section < kAllProblemsSection || section > kSectionCount) return false;
  TRegistryContents& contents = SectionContents[section];
  if (index >= contents.size()) return false;
  contents[index].Marked = mark;
  if (const std::optional<ProblemPlace> owner = OwnerOf(section, index)) {
    SectionContents[owner->section][owner->index].Marked = mark;
  }
  return true;
}

std::optional<ProblemPlace> ScanModel::OwnerOf(int section, std::size_t index) const {
  if (section < kAllProblemsSection || section > kSectionCount) return std::nullopt;
  const TRegistryContents& contents = SectionContents[section];
  if (index >= contents.size()) return std::nullopt;
  if (section != kAllProblemsSection) return ProblemPlace{section, index};

  // The aggregate holds copies: find the original by its number, unique within one scan.
  const std::int32_t problemNo = contents[index].ProblemNo;
  for (int owner = 1; owner <= kSectionCount; ++owner) {
    const TRegistryContents& problems = SectionContents[owner];
    for (std::size_t position = 0; position < problems.size(); ++position) {
      if (problems[position].ProblemNo == problemNo) return ProblemPlace{owner, position};
    }
  }
  return std::nullopt;
}

std::size_t AddProblem(TRegistryContents& section, ScanCounters& counters, bool selectAll,
                       registry_content::TContent problem) {
  problem.Marked = selectAll;
  problem.ProblemNo = ++counters.problemCounter;
  section.push_back(std::move(problem));
  return section.size() - 1;
}

}  // namespace halvex::model
