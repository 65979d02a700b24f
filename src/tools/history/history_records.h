#pragma once
// The history cleaner's areas (the fixed tree of the window, the areas of halvex-cli history),
// its found items, and the folders it reads once per window.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace halvex::tools::history {

// The tree's children in order; the index is the node's index below the root "All".
enum class HistoryArea : int {
  RecycleBin = 0,
  IeCache = 1,
  IeAddress = 2,
  TemporaryFiles = 3,
  NetHood = 4,
  Recent = 5,
  History = 6,
  RunMru = 7,
};

struct HistoryAreaRow {
  HistoryArea area;
  std::string_view caption;  // the tree node's caption
  std::string_view cliName;  // halvex-cli history's --area value
};

inline constexpr std::array<HistoryAreaRow, 8> kHistoryAreas{{
    {HistoryArea::RecycleBin, "Recycle bin", "recycle"},
    {HistoryArea::IeCache, "IE Cache", "cache"},
    {HistoryArea::IeAddress, "IE Address", "typed"},
    {HistoryArea::TemporaryFiles, "Temporary Files", "temp"},
    {HistoryArea::NetHood, "NetHood", "nethood"},
    {HistoryArea::Recent, "Recent", "recent"},
    {HistoryArea::History, "History", "history"},
    {HistoryArea::RunMru, "RunMRU", "runmru"},
}};

inline constexpr std::string_view kAllCaption = "All";

const HistoryAreaRow& RowOf(HistoryArea area);
std::optional<HistoryArea> AreaNamed(std::string_view cliName);

// Item kinds, numbered as the areas that list them.
namespace record_kind {
inline constexpr std::int32_t kCacheEntry = 1;
inline constexpr std::int32_t kTypedAddress = 2;
inline constexpr std::int32_t kTemporaryEntry = 3;
inline constexpr std::int32_t kNetHoodEntry = 4;
inline constexpr std::int32_t kRecentEntry = 5;
inline constexpr std::int32_t kHistoryEntry = 6;
inline constexpr std::int32_t kRunMruValue = 7;
}  // namespace record_kind

// One found item.
struct TRecycleData {
  std::int32_t kind = 0;
  std::string name;   // what the list shows: the URL, the value's text, or the entry's name
  std::string place;  // the folder holding the entry (kinds 1, 3-6), or the value name (2, 7)
  std::uint8_t checked = 1;
};

HistoryArea AreaOfKind(std::int32_t kind);

// The folders the areas list, read once per window; an empty path lists nothing.
struct ShellFolders {
  std::string temp;     // the temporary path, ending in "\"
  std::string cache;    // "Cache" + "\Content.IE5"
  std::string netHood;  // "NetHood"
  std::string recent;   // "Recent"
  std::string history;  // "History"
};

inline constexpr std::string_view kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr std::string_view kTypedUrlsKey =
    "Software\\Microsoft\\Internet Explorer\\TypedURLs";
inline constexpr std::string_view kRunMruKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";

// The temporary path (at most 255 characters) and the "Shell Folders" values of the current
// user, whose key is opened without creating it.
ShellFolders ReadShellFolders(platform::Platform& platform);

// `folder` + "\" + `name`, with one backslash however `folder` ends (the temporary path ends
// in one).
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace halvex::tools::history
