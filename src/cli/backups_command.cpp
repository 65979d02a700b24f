// halvex-cli backups: the repair backups of the program folder, newest first.
#include <cstdio>

#include "backup/backup_files.h"
#include "cli/commands.h"
#include "cli/machine_access.h"

namespace halvex::cli {

int RunBackupsCommand(const BackupsOptions& options) {
  auto opened = OpenMachine(options.machineFolder);
  if (const auto* error = std::get_if<std::string>(&opened)) return Fail(*error, kExitUsage);
  platform::Platform& platform = std::get<std::unique_ptr<Machine>>(opened)->platform();
  const std::vector<backup::BackupFileRow> rows = backup::ListRepairBackups(platform);
  if (rows.empty()) std::puts("No repair backups.");
  for (const backup::BackupFileRow& row : rows) {
    std::printf("%s  %s\n", platform.locale.ToUtf8(row.time).c_str(),
                platform.locale.ToUtf8(row.path).c_str());
  }
  return kExitSuccess;
}

}  // namespace halvex::cli
