#include "model/result_rows.h"

namespace halvex::model {

std::vector<int> ResultRowSections(const ScanModel& model) {
  std::vector<int> rows;
  if (model.TotalProblemCount() > 0) rows.push_back(kAllProblemsSection);
  for (int section = 1; section <= kSectionCount; ++section) {
    if (!model.SectionContents[static_cast<std::size_t>(section)].empty()) rows.push_back(section);
  }
  return rows;
}

}  // namespace halvex::model
