// halvex-cli backups: the repair backups of the program folder, newest first.
#include <cstdio>

#include "backup/backup_files.h"
#include "cli/verb.h"

namespace halvex::cli {
namespace {

VerbResult RunBackups(VerbCall& call) {
  platform::Platform& platform = call.machine.platform();
  const std::vector<backup::BackupFileRow> rows = backup::ListRepairBackups(platform);
  if (rows.empty()) std::fputs("No repair backups.\n", call.console.out);
  for (const backup::BackupFileRow& row : rows) {
    std::fprintf(call.console.out, "%s  %s\n", platform.locale.ToUtf8(row.time).c_str(),
                 platform.locale.ToUtf8(row.path).c_str());
  }
  return VerbResult::Done;
}

}  // namespace

extern const Verb kBackupsVerb{
    .name = "backups", .usage = "Lists the repair backups, newest first.", .run = RunBackups};

}  // namespace halvex::cli
