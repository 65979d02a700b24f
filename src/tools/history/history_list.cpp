#include "tools/history/history_list.h"

namespace halvex::tools::history {

void HistoryList::Reset(std::vector<TRecycleData> records) {
  records_ = std::move(records);
  rowRecords_.clear();
  selectAll_ = true;
  for (std::size_t index = 0; index < records_.size(); ++index) {
    if (records_[index].kind == record_kind::kHistoryEntry) continue;
    rowRecords_.push_back(index);
    selectAll_ = records_[index].checked == 1;
  }
}

void HistoryList::Tick(std::size_t row, bool ticked) {
  if (row < rowRecords_.size()) records_[rowRecords_[row]].checked = ticked ? 1 : 0;
}

void HistoryList::SelectAll(bool ticked) {
  for (TRecycleData& record : records_) record.checked = ticked ? 1 : 0;
  selectAll_ = ticked;
}

}  // namespace halvex::tools::history
