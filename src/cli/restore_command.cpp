// halvex-cli restore: a backup imported by the registry editor, the system's or the machine
// folder's, and waited for.
#include <cstdio>

#include "backup/registry_restore.h"
#include "cli/commands.h"
#include "cli/machine_access.h"

namespace halvex::cli {
namespace {

// A file of this computer, for a machine folder whose registry editor reads only the machine's
// files: copied into the machine's temporary folder first. Nothing when it is not one.
std::optional<std::string> OntoTheMachine(platform::FileSystem& files, const std::string& file) {
  std::FILE* in = std::fopen(file.c_str(), "rb");
  if (in == nullptr) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, in)) > 0;) {
    bytes.append(buffer, read);
  }
  const bool readWell = std::ferror(in) == 0;
  std::fclose(in);
  const std::string copy = files.TempFolder() + "halvex-restore.reg";
  if (!readWell || !files.WriteFile(copy, bytes)) return std::nullopt;
  return copy;
}

}  // namespace

int RunRestoreCommand(const RestoreOptions& options) {
  auto opened = OpenMachine(options.machineFolder);
  if (const auto* error = std::get_if<std::string>(&opened)) return Fail(*error, kExitUsage);
  Machine& machine = *std::get<std::unique_ptr<Machine>>(opened);
  platform::FileSystem& files = machine.platform().files;

  std::string file = options.file;
  std::optional<std::string> copy;
  if (options.machineFolder && !files.FileExists(file)) {
    copy = OntoTheMachine(files, file);
    if (!copy) return Fail(file + " is no file of the machine nor of this computer", kExitFailure);
    file = *copy;
  }

  const backup::RestoreResult restore =
      backup::RestoreRegistryFile(machine.platform(), machine.processes(), file, {});
  if (copy) (void)files.DeleteFile(*copy);
  for (std::string skipped : machine.SkippedLines()) {
    if (skipped.starts_with(file)) skipped.replace(0, file.size(), options.file);
    std::fprintf(stderr, "warning: skipped %s\n", skipped.c_str());
  }
  // What the editor changed stays, as it stays in the live registry, also when the check fails.
  const bool editorRan = restore.status == backup::RestoreStatus::Restored ||
                         restore.status == backup::RestoreStatus::EditorFailed ||
                         restore.status == backup::RestoreStatus::NotInRegistry;
  if (editorRan) {
    if (const auto error = machine.SaveChanges()) {
      return Fail("the restored registry could not be saved: " + *error, kExitFailure);
    }
  }
  switch (restore.status) {
    case backup::RestoreStatus::Restored:
      break;
    case backup::RestoreStatus::NoFile:
      return Fail(options.file + " cannot be read", kExitFailure);
    case backup::RestoreStatus::NotRegFile:
      return Fail(options.file + " is no registry export file (its first line is no header)",
                  kExitFailure);
    case backup::RestoreStatus::NoEditor:
      return Fail("the registry editor could not be started", kExitFailure);
    case backup::RestoreStatus::EditorFailed:
      return Fail("the registry editor did not import " + options.file + " (exit code " +
                      std::to_string(restore.exitCode) + ")",
                  kExitFailure);
    case backup::RestoreStatus::NotInRegistry:
      return Fail("the registry editor ended, but the registry does not hold " + restore.missing +
                      " of " + options.file,
                  kExitFailure);
  }
  std::printf("Restored %s\n", options.file.c_str());
  return kExitSuccess;
}

}  // namespace halvex::cli
