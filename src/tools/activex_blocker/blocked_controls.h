#pragma once
// What the ActiveX blocker shows and changes: the controls of "Code" with their kill flags,
// and locking and unlocking them. Its window and halvex-cli's `activex` verb share it.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/http_client.h"
#include "platform/platform.h"
#include "tools/activex_blocker/block_list.h"

namespace halvex::tools::activex {

struct ControlRow {
  BlockedControl control;
  bool locked = false;   // the status: "Locked" or "Free"
  bool checked = false;  // the row's box
};

inline constexpr std::string_view kLockedStatus = "Locked";
inline constexpr std::string_view kFreeStatus = "Free";
inline std::string_view StatusText(const ControlRow& row) {
  return row.locked ? kLockedStatus : kFreeStatus;
}

// "Code" in the program folder.
std::string BlockListPath(platform::FileSystem& files);

// The list's text, or nullopt when there is no "Code" or it is empty: an empty file is what a
// failed download used to leave, and counts as missing so that the next opening fetches again.
std::optional<std::string> ReadBlockList(platform::FileSystem& files);

// Fetches "Code" from `updateServer` when it is missing. True when a list is there afterwards.
// A failed download leaves no file, so the next opening tries again.
bool FetchBlockList(platform::HttpClient& http, platform::FileSystem& files,
                    std::string_view updateServer);

// The rows of the list, each ticked when its kill flag is set.
std::vector<ControlRow> ListBlockedControls(platform::Platform& platform);

std::size_t CountLocked(const std::vector<ControlRow>& rows);

// Called after each row with the rows counted so far and all rows, for the gauge.
using RowProgress = std::function<void(std::size_t counted, std::size_t total)>;

// Sets the flag of every ticked row and removes it from every unticked one. A ticked row
// counts as locked only once its flag was written; answers the rows counted as locked.
std::size_t LockCheckedControls(platform::Registry& registry, std::vector<ControlRow>& rows,
                                const RowProgress& progress);

// Removes the flag of every row; a row whose flag is gone is unticked and free, one whose
// flag could not be removed keeps its state. Progress counts the rows done.
void UnlockAllControls(platform::Registry& registry, std::vector<ControlRow>& rows,
                       const RowProgress& progress);

}  // namespace halvex::tools::activex
