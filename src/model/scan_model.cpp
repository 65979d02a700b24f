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
  if (section != kAllProblemsSection) return true;

  // The aggregate holds copies: find the original by its number, unique within one scan.
  const std::int32_t problemNo = contents[index].ProblemNo;
  for (int owner = 1; owner <= kSectionCount; ++owner) {
    for (registry_content::TContent& problem : SectionContents[owner]) {
      if (problem.ProblemNo == problemNo) {
        problem.Marked = mark;
        return true;
      }
    }
  }
  return true;
}

std::size_t AddProblem(TRegistryContents& section, ScanCounters& counters, bool selectAll,
                       registry_content::TContent problem) {
  problem.Marked = selectAll;
  problem.ProblemNo = ++counters.problemCounter;
  section.push_back(std::move(problem));
  return section.size() - 1;
}

}  // namespace halvex::model
