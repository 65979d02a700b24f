#pragma once
// The rows of the duplicates list, built from the walk's groups, and their deletion.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/cleanup/cleanup_services.h"
#include "tools/duplicates/duplicate_scan.h"

namespace halvex::tools::duplicates {

struct TSearchResult {
  std::string name;
  std::string folder;
  std::uint64_t size = 0;
  platform::FileTime modified = 0;
  platform::FileTime created = 0;
  bool selected = false;
  bool firstOfGroup = false;  // the group's reference, which Select All leaves alone
};

struct DuplicateList {
  std::size_t groups = 0;
  std::vector<TSearchResult> rows;
};

// One row per file of every name met more than once, in the groups' order. Paths that lead to
// one file (a second drive letter onto a folder, a hard link) count once: a file is never
// listed as its own duplicate, so deleting the "copy" cannot delete it.
DuplicateList BuildDuplicateList(const std::vector<TSearchStat>& records,
                                 platform::FileIdentities& identities);

// "Select All": every row but each group's first, so that no group loses its last file; and
// clearing it clears every row.
void SelectAllRows(DuplicateList& list, bool select);

// "512B", "1KB" (513 bytes), "2KB" (1536 and 2560 bytes): KB rounded half to even, bytes when
// that is 0.
std::string SizeText(std::uint64_t bytes);

struct DeletionResult {
  std::string path;
  bool deleted = false;
  const char* status() const { return deleted ? "File Deleted" : "Deleted Fail"; }
};
struct DeletionSummary {
  std::vector<DeletionResult> results;
  std::size_t selected = 0;
  std::size_t succeeded = 0;
  std::size_t failed = 0;
};

// Deletes the selected rows' files, to the Recycle Bin or for good; a protected path fails.
DeletionSummary DeleteSelectedDuplicates(const cleanup::CleanupServices& services,
                                         const DuplicateList& list, bool toRecycleBin,
                                         const std::function<void()>& turn = {});

}  // namespace halvex::tools::duplicates
