#pragma once
// The records of the history cleaner's list and its rows: which record each row shows, and what
// its tick and the Select All box change. The window shows it; halvex-cli has no rows.
#include <cstddef>
#include <vector>

#include "tools/history/history_records.h"

namespace halvex::tools::history {

class HistoryList {
 public:
  // New records, all ticked, and their rows: one per record except the History folder's
  // entries, which the browser history's own clear replaces. Later records still get rows.
  void Reset(std::vector<TRecycleData> records);
  void Clear() { Reset({}); }

  const std::vector<TRecycleData>& records() const { return records_; }
  std::size_t rowCount() const { return rowRecords_.size(); }
  const TRecycleData& RowRecord(std::size_t row) const { return records_[rowRecords_[row]]; }

  // A row's tick sets its own record's flag, so only ticked rows are cleaned.
  void Tick(std::size_t row, bool ticked);
  // Sets every record's flag, shown or not: nothing hidden is cleaned while the box is off.
  void SelectAll(bool ticked);
  // The Select All box after a listing: the flag of the last row shown (ticked when none is).
  bool selectAllState() const { return selectAll_; }

 private:
  std::vector<TRecycleData> records_;
  std::vector<std::size_t> rowRecords_;  // row -> index into records_
  bool selectAll_ = true;
};

}  // namespace halvex::tools::history
