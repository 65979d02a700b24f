#pragma once
// The rows of the result list as the repair and its backup see them: each row's hidden section
// number, top to bottom.
#include <vector>

#include "model/scan_model.h"

namespace halvex::scan {

// As the results view fills the list after a scan: 0 for the "All Problems" row when any
// problem was found, then every section 1 .. 17 whose collection holds a problem, ascending.
std::vector<int> ResultRowSections(const model::ScanModel& model);

}  // namespace halvex::scan
