#include "tools/duplicates/duplicate_list.h"

#include <algorithm>
#include <optional>

#include "tools/cleanup/file_removal.h"

namespace halvex::tools::duplicates {

DuplicateList BuildDuplicateList(const std::vector<TSearchStat>& records,
                                 platform::FileIdentities& identities) {
  DuplicateList list;
  for (const TSearchStat& record : records) {
    if (record.count() < 2) continue;
    std::vector<const TScanResult*> kept;
    std::vector<platform::FileIdentity> seen;
    for (const TScanResult& instance : record.instances) {
      const std::optional<platform::FileIdentity> identity =
          identities.IdentityOf(instance.folder + record.name);
      if (identity) {
        if (std::find(seen.begin(), seen.end(), *identity) != seen.end()) continue;
        seen.push_back(*identity);
      }
      kept.push_back(&instance);
    }
    if (kept.size() < 2) continue;
    ++list.groups;
    for (std::size_t i = 0; i < kept.size(); ++i) {
      list.rows.push_back({.name = record.name,
                           .folder = kept[i]->folder,
                           .size = kept[i]->size,
                           .modified = kept[i]->modified,
                           .created = kept[i]->created,
                           .firstOfGroup = i == 0});
    }
  }
  return list;
}

void SelectAllRows(DuplicateList& list, bool select) {
  for (TSearchResult& row : list.rows) row.selected = select && !row.firstOfGroup;
}

std::string SizeText(std::uint64_t bytes) {
  std::uint64_t kb = bytes / 1024;
  const std::uint64_t rest = bytes % 1024;
  if (rest > 512 || (rest == 512 && kb % 2 == 1)) ++kb;
  if (kb == 0) return std::to_string(bytes) + "B";
  return std::to_string(kb) + "KB";
}

DeletionSummary DeleteSelectedDuplicates(const cleanup::CleanupServices& services,
                                         const DuplicateList& list, bool toRecycleBin,
                                         const std::function<void()>& turn) {
  const cleanup::ProtectedPaths protection(services);
  const cleanup::RemovalMode mode =
      toRecycleBin ? cleanup::RemovalMode::Recycle : cleanup::RemovalMode::Delete;
  DeletionSummary summary;
  for (const TSearchResult& row : list.rows) {
    if (turn) turn();
    if (!row.selected) continue;
    ++summary.selected;
    const std::string path = row.folder + row.name;
    const bool deleted = cleanup::RemoveFile(services, protection, mode, path);
    summary.results.push_back({path, deleted});
    ++(deleted ? summary.succeeded : summary.failed);
  }
  return summary;
}

}  // namespace halvex::tools::duplicates
