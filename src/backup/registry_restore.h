#pragma once
// A restore: a registry export file imported by the registry editor, and then checked. The
// editor's exit code alone proves little: Wine's regedit ends with 0 also when the file is
// missing or is no registry file. So a restore counts only when the file was there, the editor
// ended with 0, and every key and value the file sets is in the registry afterwards.
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
  NotInRegistry,  // it ended with 0, but something the file sets is not in the registry
};

struct [[nodiscard]] RestoreResult {
  RestoreStatus status = RestoreStatus::NoFile;
  std::uint32_t exitCode = 0;  // the editor's, once it ran
  std::string missing;         // the first key or value of the file not found afterwards

  bool ok() const { return status == RestoreStatus::Restored; }
};

RestoreResult RestoreRegistryFile(platform::Platform& platform, platform::ProcessRunner& processes,
                                  std::string_view file, const std::function<void()>& pump);

// What the file sets that the registry does not hold: key lines and value lines whose key or
// value does not exist (deletions, "[-...]" and "=-", and roots the program does not name are
// not checked). Empty when everything is there; the first miss otherwise.
std::string FirstMissingEntry(platform::Platform& platform, std::string_view fileBytes);

}  // namespace halvex::backup
