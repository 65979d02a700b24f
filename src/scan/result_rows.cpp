#include "scan/result_rows.h"

namespace halvex::scan {

std::vector<int> ResultRowSections(const model::ScanModel& model) {
  std::vector<int> rows;
  if (model.TotalProblemCount() > 0) rows.push_back(model::kAllProblemsSection);
  for (int section = 1; section <= model::kSectionCount; ++section) {
    if (!model.SectionContents[static_cast<std::size_t>(section)].empty()) rows.push_back(section);
  }
  return rows;
}

}  // namespace halvex::scan
