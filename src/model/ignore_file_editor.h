#pragma once
// What the "Ignore List" page of the preferences shows and changes: the rows of the ignore file,
// and the removal of one of them.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace halvex::model {

// One row of the page: the "Category" and "Registry Key" columns of one line of the file (the
// value name is not shown), and which line it stands for.
struct IgnoreListRow {
  std::string category;
  std::string registryKey;
  std::size_t line = 0;  // index into IgnoreFileListing::lines

  friend bool operator==(const IgnoreListRow&, const IgnoreListRow&) = default;
};

// The page's copy of the file: every line, and a row for each line that is not blank.
struct IgnoreFileListing {
  std::vector<std::string> lines;
  std::vector<IgnoreListRow> rows;
};

// The lines and rows of the ignore file; empty when it is missing or cannot be read.
IgnoreFileListing ListIgnoreEntries(platform::FileSystem& files);

// Removes the row's line from the ignore file and from the listing. The remaining lines are
// written to a temporary file beside the ignore file, which then replaces it, so the file holds
// either all its old entries or exactly the remaining ones. False, with the file and the listing
// unchanged, when the row does not exist or the file cannot be rewritten.
[[nodiscard]] bool RemoveIgnoreListRow(platform::FileSystem& files, IgnoreFileListing& listing,
                                       std::size_t row);

}  // namespace halvex::model
