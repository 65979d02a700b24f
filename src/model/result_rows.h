#pragma once
// Which sections the result list shows, top to bottom. The results view fills its rows by this
// rule and keeps each row's section number; halvex-cli, which has no list, repairs by it too.
#include <vector>

#include "model/scan_model.h"

namespace halvex::model {

// 0 for the "All Problems" row when any problem was found, then every section 1 .. 17 whose
// collection holds a problem, ascending.
std::vector<int> ResultRowSections(const ScanModel& model);

}  // namespace halvex::model
