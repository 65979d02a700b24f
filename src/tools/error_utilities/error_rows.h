#pragma once
// The rows of the error list: one per run of consecutive entries with the same name, then the
// four built-in rows, which carry no repair data.
#include <string>
#include <string_view>
#include <vector>

#include "tools/error_utilities/error_list.h"

namespace halvex::tools::errors {

// The hidden marker of the rows that come from errorlist.txt; only they are repaired.
inline constexpr std::string_view kFileRowMarker = "reg";

struct ErrorRow {
  std::string caption;
  std::string description;  // UTF-8
  std::string marker;       // kFileRowMarker or empty
  friend bool operator==(const ErrorRow&, const ErrorRow&) = default;
};

// The rows of `contents` in file order, each with the description of its first line, and the
// built-in rows after them.
std::vector<ErrorRow> ErrorRows(const TErrorContents& contents);

// The two rows Select All never ticks and a click on their box asks about first.
bool IsReinstallRow(std::string_view caption);

}  // namespace halvex::tools::errors
