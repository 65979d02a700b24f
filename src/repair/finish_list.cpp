#include "repair/finish_list.h"

namespace halvex::scan {

StatusColour StatusColourOf(std::string_view status) {
  return status.find("Error") != std::string_view::npos ? kErrorStatusColour : kSuccessStatusColour;
}

std::vector<FinishListRow> FinishListRows(const model::TRepairContents& repairs) {
  std::vector<FinishListRow> rows;
  rows.reserve(repairs.size());
  for (const model::TRepairRec& record : repairs) {
    rows.push_back({record.KeyPath, record.Status, StatusColourOf(record.Status)});
  }
  return rows;
}

}  // namespace halvex::scan
