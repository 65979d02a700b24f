#pragma once
// The history cleaner's clean operations over the listed records. Only ticked records go, each
// by its own record: a row's tick, not a list-wide state, decides. The Recycle Bin and the
// browser history have no rows; they are emptied whenever their area (or "All") is cleaned.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tools/cleanup/protected_paths.h"
#include "tools/history/history_records.h"
#include "tools/history/history_services.h"

namespace halvex::tools::history {

// What one cleaned item came to.
namespace clean_result {
inline constexpr std::string_view kDeleted = "deleted";
inline constexpr std::string_view kFailed = "failed";
inline constexpr std::string_view kProtected = "refused: a protected folder";
inline constexpr std::string_view kEmptied = "emptied";
inline constexpr std::string_view kNoLibrary = "Failed to load Shell32.dll.";
inline constexpr std::string_view kNoFunction =
    "not emptied: Shell32.dll has no SHEmptyRecycleBinA";
inline constexpr std::string_view kCleared = "cleared";
inline constexpr std::string_view kNotCleared = "not cleared";
}  // namespace clean_result

struct CleanedItem {
  HistoryArea area;
  std::string name;
  std::string place;
  std::string result;  // one of clean_result
};

// The window's part in a clean; each may be empty.
struct CleanTurns {
  std::function<bool()> stopRequested = {};  // the progress dialog's Cancel was pressed
  std::function<void()> pump = {};           // lets the window handle pending input
  std::function<void(const std::string&)> showName = {};  // the item being deleted, for the dialog
};

// The areas a clean of `node` runs, in the root's order: that area alone, or for "All"
// (nullopt) the Recycle Bin, the cache, the typed addresses, the three folders, the history
// and RunMRU.
std::vector<HistoryArea> CleanedAreas(std::optional<HistoryArea> node);

// Cleans `node` (nullopt: "All") over `records`. Stops before the next item once
// `stopRequested` answers true; no step starts after that.
std::vector<CleanedItem> CleanHistory(const HistoryServices& services,
                                      const cleanup::ProtectedPaths& protection,
                                      std::optional<HistoryArea> node,
                                      const std::vector<TRecycleData>& records,
                                      const CleanTurns& turns = {});

}  // namespace halvex::tools::history
