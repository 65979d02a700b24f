#include "model/system_locations.h"

#include "model/registry_object.h"

namespace halvex::model {

std::string ReadProgramFilesDir(platform::Registry& registry, ProgramFilesKind kind) {
  RegistryObject key(registry);
  key.SetRootKey(RootKey::LocalMachine);
  if (!key.OpenKey("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", /*create=*/false)) return {};
  return key.ReadString(kind == ProgramFilesKind::ProgramFiles ? "ProgramFilesDir"
                                                               : "CommonFilesDir");
}

std::string GetTempDriveRoot(platform::FileSystem& files) {
  return files.TempFolder().substr(0, 3);
}

std::string GuessWindowsFolder(platform::FileSystem& files) {
  std::string folder = files.WindowsFolder();
  // The system names a Windows folder at a drive root with its backslash ("C:\").
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

std::string GetAllUsersProfileDir(platform::FileSystem& files) {
  return files.SystemFolder().substr(0, 3) + "Documents and Settings\\All Users";
}

std::string GetShortcutTarget(platform::ShellLinks& links, std::string_view shortcutPath) {
  return links.ShortcutTarget(shortcutPath);
}

}  // namespace halvex::model
