#pragma once
// Imports and exports through the system's registry editor, waited for to their end: a
// restore or a full backup counts as done only when the editor says so.
#include <functional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "platform/process_runner.h"

namespace halvex::backup {

// "Regedit /s \"FILE\"": a silent import.
std::string RegistryImportCommand(std::string_view file);
// "Regedit /E \"FILE\"": an export of the whole registry, since no key is named.
std::string RegistryExportCommand(std::string_view file);

// Imports the file and waits, pumping; true only when the editor ended with exit code 0.
[[nodiscard]] bool ImportRegistryFile(platform::ProcessRunner& processes, std::string_view file,
                                      const std::function<void()>& pump);

inline constexpr std::string_view kFullBackupFolder = "FullBackup\\";

struct [[nodiscard]] FullBackupResult {
  bool succeeded = false;  // the editor ended with 0 and the file exists and is not empty
  std::string path;        // folder + "Backup_" + "yyyymmdd_hhnnss" + ".reg", unquoted
};

// The program folder followed by "FullBackup\".
std::string FullBackupFolder(platform::FileSystem& files);

// Creates the folder when it is missing and has the editor export the whole registry into a
// file named after the local time at the start, waiting for it while pumping. An earlier full
// backup of the same second is not overwritten ("_2" before ".reg").
FullBackupResult ExportFullRegistry(platform::Platform& platform,
                                    platform::ProcessRunner& processes,
                                    const std::function<void()>& pump);

}  // namespace halvex::backup
