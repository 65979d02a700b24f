#pragma once
// The finish page's list (FinishListView): one row per repair record, its key path and its
// status, the status painted red when it contains "Error" and green otherwise.
#include <cstdint>
#include <string>
#include <vector>

#include "model/registry_contents.h"

namespace halvex::scan {

struct StatusColour {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const StatusColour&, const StatusColour&) = default;
};

inline constexpr StatusColour kErrorStatusColour{255, 0, 0};
inline constexpr StatusColour kSuccessStatusColour{0, 128, 0};

struct FinishListRow {
  std::string text;    // column "Section Name": the record's key path
  std::string status;  // column "Status"
  StatusColour statusColour;
  friend bool operator==(const FinishListRow&, const FinishListRow&) = default;
};

// Red when the status contains "Error" (case-sensitive, as the statuses are written).
StatusColour StatusColourOf(std::string_view status);

// Row i is repair record i.
std::vector<FinishListRow> FinishListRows(const model::TRepairContents& repairs);

}  // namespace halvex::scan
