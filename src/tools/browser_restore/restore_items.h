#pragma once
// The thirteen Internet Explorer restore items: each a fixed sequence of registry writes and
// deletions that undoes one kind of hijack or restrictive policy. They keep no backup, as the
// window's question warns. An item is done only when every one of its actions succeeded: a key
// that cannot be opened or created, or a refused write or delete, makes it fail; a value or key
// to delete that is already gone counts as done.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/locale.h"
#include "platform/registry.h"

namespace halvex::tools {

// The address both search values get: the browser's own search assistant, on the browser
// maker's search host (configurable, since that host is no fact of this program).
inline constexpr std::string_view kDefaultSearchAssistantHost = "http://ie.search.msn.com";
inline constexpr std::string_view kSearchAssistantPath = "/{SUB_RFC1766}/srchasst/srchasst.htm";

struct BrowserRestoreConfig {
  std::string searchAssistantHost = std::string(kDefaultSearchAssistantHost);
};

struct RestoreTarget {
  platform::Registry& registry;
  platform::FileSystem& files;
  platform::Locale& locale;
  BrowserRestoreConfig config{};
};

// A row's status while and after its item runs.
inline constexpr std::string_view kRepairingStatus = "Repairing";
inline constexpr std::string_view kCompletedStatus = "Completed";
inline constexpr std::string_view kErrorStatus = "Error";

// What an action does to one value name (or, for the two deleting ones, to the whole key).
enum class RestoreAction {
  WriteFourZeroBytes,    // REG_BINARY 00 00 00 00
  WriteDwordZero,        // REG_DWORD 0
  WriteText,             // REG_SZ with the step's text
  WriteSearchAssistant,  // REG_SZ with the search assistant's address
  DeleteEveryValue,      // every value of the key; its subkeys stay
  DeleteEverySubkey,     // every subkey with everything below it
};

struct RestoreValue {
  std::string_view name;
  std::string_view text = {};  // for WriteText
};

// One key, opened with creation, and what happens to its values, in order.
struct RestoreStep {
  platform::RootKey root;
  std::string_view key;
  RestoreAction action;
  std::span<const RestoreValue> values = {};
};

struct RestoreItem {
  std::string_view caption;
  // The item's actions as data; empty for the one item whose routine is code.
  std::span<const RestoreStep> steps;
  // The item whose actions depend on what the registry holds (the start page); null otherwise.
  bool (*routine)(RestoreTarget& target) = nullptr;
};

inline constexpr std::size_t kRestoreItemCount = 13;

// In list order; the captions are shown exactly as written.
std::span<const RestoreItem, kRestoreItemCount> RestoreItems();

// Runs the item; true when every action succeeded.
[[nodiscard]] bool RunRestoreItem(RestoreTarget& target, const RestoreItem& item);

// Item 1: the start page's Run entries, the start and search pages, the "registry.exe" entry
// and its file, and the Run entries that import registry files silently.
[[nodiscard]] bool RepairStartPage(RestoreTarget& target);
// Deletes the machine's Run value named like the current start page, or, when there is none and
// the start page is a web address (it holds "://"), every string Run value whose command
// contains it. A start page that is no address (a local file, a short word) would also match the
// commands of legitimate programs, which would then be deleted without a backup.
[[nodiscard]] bool RemoveStartPageRunEntries(RestoreTarget& target);
// Deletes every string Run value of the machine whose command holds "regedit -s" or
// "regedit /s", in any letter case: a hijack re-imports its settings at every start.
[[nodiscard]] bool RemoveRegeditRunEntries(RestoreTarget& target);

}  // namespace halvex::tools
