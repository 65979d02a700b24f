// halvex-cli restore: a backup imported by the registry editor, the system's or the machine
// folder's, and waited for.
#include <cstdio>

#include "backup/registry_restore.h"
#include "backup/shortcut_copies.h"
#include "cli/verb.h"

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

VerbResult RunRestore(VerbCall& call) {
  Machine& machine = call.machine;
  platform::FileSystem& files = machine.platform().files;
  const std::string& given = *call.line.operand;

  std::string file = given;
  std::optional<std::string> copy;
  if (call.line.machineFolder && !files.FileExists(file)) {
    copy = OntoTheMachine(files, file);
    if (!copy) return call.Fail(file + " is no file of the machine nor of this computer");
    file = *copy;
  }

  const backup::RestoreResult restore =
      backup::RestoreRegistryFile(machine.platform(), machine.processes(), file, {});
  if (copy) (void)files.DeleteFile(*copy);
  for (std::string skipped : machine.SkippedLines()) {
    if (skipped.starts_with(file)) skipped.replace(0, file.size(), given);
    std::fprintf(call.console.err, "warning: skipped %s\n", skipped.c_str());
  }
  // What the editor changed stays, as it stays in the live registry, also when the check fails.
  if (restore.status == backup::RestoreStatus::Restored ||
      restore.status == backup::RestoreStatus::EditorFailed ||
      restore.status == backup::RestoreStatus::NotInRegistry) {
    call.MachineChanged();
  }
  switch (restore.status) {
    case backup::RestoreStatus::Restored:
      break;
    case backup::RestoreStatus::NoFile:
      return call.Fail(given + " cannot be read");
    case backup::RestoreStatus::NotRegFile:
      return call.Fail(given + " is no registry export file (its first line is no header)");
    case backup::RestoreStatus::NoEditor:
      return call.Fail("the registry editor could not be started");
    case backup::RestoreStatus::EditorFailed:
      return call.Fail("the registry editor did not import " + given + " (exit code " +
                       std::to_string(restore.exitCode) + ")");
    case backup::RestoreStatus::NotInRegistry:
      return call.Fail("the registry editor ended, but the registry does not hold " +
                       restore.missing + " of " + given);
  }
  std::fprintf(call.console.out, "Restored %s\n", given.c_str());
  // The shortcuts the repair deleted lie beside its backup file on the machine.
  if (copy) return VerbResult::Done;
  const backup::ShortcutRestore shortcuts = backup::RestoreShortcutCopies(files, file);
  if (!shortcuts.restored.empty()) call.MachineChanged();
  for (const std::string& shortcut : shortcuts.restored) {
    std::fprintf(call.console.out, "Restored %s\n", shortcut.c_str());
  }
  for (const std::string& shortcut : shortcuts.leftInPlace) {
    std::fprintf(call.console.err,
                 "warning: %s was left as it is: a file of that name exists now\n",
                 shortcut.c_str());
  }
  if (!shortcuts.failed.empty()) {
    return call.Fail(shortcuts.failed.front() + " could not be copied back from the backup");
  }
  return VerbResult::Done;
}

}  // namespace

extern const Verb kRestoreVerb{
    .name = "restore",
    .operand = "FILE",
    .operandNeeded = "the file to import",
    .usage =
        "Imports FILE, a repair or full backup, with the system's registry editor and waits\n"
        "for it, then copies back the shortcuts the repair kept beside FILE; with --machine, into "
        "the machine folder (FILE is a path on the machine,\n"
        "such as C:\\Program Files\\Halvex\\RepairBackup\\_20260115_120000.reg, or a file of\n"
        "this computer).",
    .run = RunRestore};

}  // namespace halvex::cli
