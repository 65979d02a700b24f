#pragma once
// The program-wide abort flag: one byte that long operations read before each item, because
// everything runs on one thread and a Stop button can only leave a mark for the loop to find.
#include <cstdint>

namespace halvex::model::abort_flag {

inline constexpr std::uint8_t kRun = 0;           // idle or running
inline constexpr std::uint8_t kStopScan = 1;      // a running scan stops
inline constexpr std::uint8_t kHistoryClean = 2;  // the history cleaner is deleting
inline constexpr std::uint8_t kStopRepair = 3;    // a repair or a history clean stops

}  // namespace halvex::model::abort_flag
