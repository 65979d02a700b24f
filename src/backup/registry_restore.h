#pragma once
// A restore: a registry export file imported by the registry editor, and then checked. The
// editor's exit code alone proves little: Wine's regedit ends with 0 also when the file is
// missing or is no registry file. So a restore counts only when the file was there, the editor
// ended with 0, and the registry afterwards is as the whole file leaves it: every key and value
// whose last word in the file sets it is there, every one whose last word deletes it is gone.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "platform/process_runner.h"

namespace halvex::backup {

enum class RestoreStatus {
  Restored,
  NoFile,         // the file cannot be read: the editor is not started
  NotRegFile,     // its first line is no header, so the editor would import nothing
  NoEditor,       // the registry editor could not be started
  EditorFailed,   // it ended with an exit code other than 0
  NotInRegistry,  // it ended with 0, but the registry is not as the file leaves it
};

struct [[nodiscard]] RestoreResult {
  RestoreStatus status = RestoreStatus::NoFile;
  std::uint32_t exitCode = 0;  // the editor's, once it ran
  std::string missing;         // the line of the first key or value not as the file leaves it

  bool ok() const { return status == RestoreStatus::Restored; }
};

RestoreResult RestoreRegistryFile(platform::Platform& platform, platform::ProcessRunner& processes,
                                  std::string_view file, const std::function<void()>& pump);

// The first key or value the registry does not hold as the file leaves it, by the line with the
// last word on it: a key or value the file sets last ("[key]", "name"=data) must exist, one it
// deletes last ("[-key]", "name"=-) must not; deleting a key takes everything below it, setting
// one brings back the keys above it. Key and value names compare without regard to case; roots
// the program does not name are not checked. Empty when the registry is as the file leaves it.
std::string FirstMissingEntry(platform::Platform& platform, std::string_view fileBytes);

}  // namespace halvex::backup
