#include "platform/substitute/substitute_shell.h"

#include <system_error>

#include "platform/free_file_name.h"

namespace halvex::platform::substitute {
namespace fs = std::filesystem;
namespace {

std::string NameOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace

SubstituteShell::SubstituteShell(HostFileSystem& files, fs::path recycleBin,
                                 UserFolders userFolders)
    : files_(files), recycleBin_(std::move(recycleBin)), userFolders_(std::move(userFolders)) {}

bool SubstituteShell::Recycle(std::string_view path) {
  calls_.push_back("recycle " + std::string(path));
  if (refused_.contains(std::string(path)) || !files_.FileExists(path)) return false;
  const std::optional<fs::path> host = files_.HostPath(path);
  if (!host) return false;
  std::error_code error;
  fs::create_directories(recycleBin_, error);
  fs::path kept = recycleBin_ / host->filename();
  for (unsigned number = 2; fs::exists(kept, error); ++number) {
    kept = recycleBin_ / (host->filename().string() + "." + std::to_string(number));
  }
  if (!fs::copy_file(*host, kept, error) || error) return false;
  if (!files_.DeleteFile(path)) {
    fs::remove(kept, error);
    return false;
  }
  return true;
}

bool SubstituteShell::MoveInto(std::string_view path, std::string_view folder) {
  calls_.push_back("move " + std::string(path) + " into " + std::string(folder));
  if (refused_.contains(std::string(path)) || folder.empty() || !files_.FileExists(path) ||
      !files_.FolderExists(folder)) {
    return false;
  }
  const std::string target = FreePathIn(folder, NameOf(path), [this](const std::string& taken) {
    return files_.FileExists(taken) || files_.FolderExists(taken);
  });
  if (files_.ReplaceFile(path, target)) return true;
  // Another drive: copied, then the original goes.
  if (!files_.CopyFile(path, target, true)) return false;
  if (files_.DeleteFile(path)) return true;
  (void)files_.DeleteFile(target);
  return false;
}

std::optional<std::string> SubstituteShell::DriveDisplayName(std::string_view root) {
  calls_.push_back("display name " + std::string(root));
  if (root.empty() || files_.GetDriveType(root) == DriveType::NoRootDir) return std::nullopt;
  return "Local Disk (" + std::string(1, root[0]) + ":)";
}

std::optional<std::string> SubstituteShell::BrowseForFolder(std::string_view title,
                                                            std::string_view /*preselect*/) {
  calls_.push_back("browse " + std::string(title));
  return chosenFolder_;
}

}  // namespace halvex::platform::substitute
