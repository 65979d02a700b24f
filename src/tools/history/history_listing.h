#pragma once
// The listings of the history cleaner's areas: every found item becomes a ticked record.
#include <optional>
#include <string>
#include <vector>

#include "tools/cleanup/protected_paths.h"
#include "tools/history/history_records.h"
#include "tools/history/history_services.h"

namespace halvex::tools::history {

// A folder area whose folder the protected-path test refuses: it lists nothing, and says so.
struct RefusedFolder {
  HistoryArea area;
  std::string folder;
};

struct HistoryListing {
  std::vector<TRecycleData> records;
  std::vector<RefusedFolder> refused;
};

class HistoryLister {
 public:
  HistoryLister(const HistoryServices& services, const ShellFolders& folders,
                const cleanup::ProtectedPaths& protection)
      : services_(services), folders_(folders), protection_(protection) {}

  // One area's listing appended to `listing`; the Recycle Bin lists nothing.
  void ListArea(HistoryArea area, HistoryListing& listing) const;
  // Every area in the tree's order.
  HistoryListing ListAll() const;

  // Normal cache entries whose URL holds no "Cookie:", as kind-1 records.
  void ListCacheEntries(std::vector<TRecycleData>& records) const;
  // The values of a current-user key as records of `kind`: name = text, place = value name.
  void ListValues(std::string_view key, std::int32_t kind,
                  std::vector<TRecycleData>& records) const;
  // The top-level entries of `folder` with one of the listed attribute words. A folder that is
  // empty, cannot be entered or is protected lists nothing; the protected one is reported.
  void ListFolderEntries(HistoryArea area, const std::string& folder,
                         HistoryListing& listing) const;

  // The folder an area's entries live in; empty for the other areas.
  const std::string& FolderOf(HistoryArea area) const;

 private:
  const HistoryServices& services_;
  const ShellFolders& folders_;
  const cleanup::ProtectedPaths& protection_;
};

// Whether an entry with this attribute word is listed: exactly one of 0x02, 0x04, 0x10, 0x11,
// 0x12, 0x13, 0x14, 0x20, 0x80, 0x100. An exact match on purpose: a read-only archive (0x21),
// a compressed file, or any other combination is left alone.
bool IsListedAttributeWord(std::uint32_t attributes);

}  // namespace halvex::tools::history
