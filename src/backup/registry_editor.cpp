#include "backup/registry_editor.h"

#include "backup/backup_names.h"
#include "model/program_folder.h"
#include "model/text_format.h"

namespace halvex::backup {

std::string RegistryImportCommand(std::string_view file) {
  return model::FormatText("Regedit /s \"%s\"", std::string(file));
}

std::string RegistryExportCommand(std::string_view file) {
  return "Regedit /E \"" + std::string(file) + "\"";
}

bool ImportRegistryFile(platform::ProcessRunner& processes, std::string_view file,
                        const std::function<void()>& pump) {
  return processes.RunHidden(RegistryImportCommand(file), pump).succeeded();
}

std::string FullBackupFolder(platform::FileSystem& files) {
  return model::InProgramFolder(files, kFullBackupFolder);
}

FullBackupResult ExportFullRegistry(platform::Platform& platform,
                                    platform::ProcessRunner& processes,
                                    const std::function<void()>& pump) {
  const std::string stamp = BackupTimeStamp(platform.clock.Now());
  const std::string folder = FullBackupFolder(platform.files);
  FullBackupResult result;
  if (!platform.files.FolderExists(folder) && !platform.files.CreateFolder(folder)) return result;
  result.path = UnusedBackupPath(platform.files, folder + "Backup_" + stamp);
  if (!processes.RunHidden(RegistryExportCommand(result.path), pump).succeeded()) return result;
  // A partly written export would still exist; the editor's exit code says it ended well, and
  // the file must be there with something in it.
  const std::optional<std::string> bytes = platform.files.ReadFile(result.path);
  result.succeeded = bytes && !bytes->empty();
  return result;
}

}  // namespace halvex::backup
