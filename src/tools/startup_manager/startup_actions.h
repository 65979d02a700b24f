#pragma once
// Disable, Enable, Remove and Restore Item on one entry each. Every step that could lose the
// entry waits for the step before it: a file is copied and its line saved before the original
// goes; a registry line is saved before the value goes, and taken out again when the value
// stays; a copy and its line go only once the file or value is back. Each call says whether it
// was done, and if not, why.
#include <string>

#include "platform/platform.h"
#include "tools/startup_manager/startup_lines.h"
#include "tools/startup_manager/startup_list.h"

namespace halvex::tools::startup_manager {

struct ActionOutcome {
  bool done = false;
  std::string reason;  // why not, when not done

  static ActionOutcome Done() { return {true, {}}; }
  static ActionOutcome NotDone(std::string reason) { return {false, std::move(reason)}; }
};

// A live entry out of startup, kept to be enabled again. win.ini keys are left alone: Disable
// asks nothing, and win.ini keys have no line to come back from.
ActionOutcome DisableEntry(platform::Platform& platform, const StartupBackupPaths& paths,
                           const StartupEntry& entry);
// A disabled entry back into startup.
ActionOutcome EnableEntry(platform::Platform& platform, const StartupBackupPaths& paths,
                          const StartupEntry& entry);
// An entry out of the startup list, kept in the restoral list; a win.ini key is deleted for
// good (the window asks first).
ActionOutcome RemoveEntry(platform::Platform& platform, const StartupBackupPaths& paths,
                          const StartupEntry& entry);
// A removed entry back where it was.
ActionOutcome RestoreEntry(platform::Platform& platform, const StartupBackupPaths& paths,
                           const RestorableEntry& entry);

// The reasons, as halvex-cli prints them.
namespace reason {
inline constexpr char kAlreadyDisabled[] = "the entry is disabled already";
inline constexpr char kNotDisabled[] = "the entry is not disabled";
inline constexpr char kWinIniNotDisabled[] = "win.ini entries cannot be disabled, only removed";
inline constexpr char kNotAString[] =
    "the value is neither REG_SZ nor REG_EXPAND_SZ, so a line cannot give it back";
inline constexpr char kNoLineHoldsIt[] =
    "its key or value name holds '#' or '|', or its data a line break, so a line cannot give it "
    "back";
inline constexpr char kNoLineHoldsFile[] =
    "its path holds '#' or '|', so a line cannot give it back";
inline constexpr char kValueGone[] = "the value is no longer in its key";
inline constexpr char kCopyFailed[] = "the file could not be copied into the del folder";
inline constexpr char kLineNotSaved[] = "the backup line could not be saved";
inline constexpr char kFileNotDeleted[] = "the file could not be deleted";
inline constexpr char kValueNotDeleted[] = "the value could not be deleted";
inline constexpr char kKeyMissing[] = "its key cannot be opened";
inline constexpr char kValueNotWritten[] = "the value could not be written";
inline constexpr char kCopyBackFailed[] = "the copy could not be put back";
inline constexpr char kWinIniNotDeleted[] = "the win.ini key could not be deleted";
}  // namespace reason

}  // namespace halvex::tools::startup_manager
