#include "platform/substitute/substitute_folder_operations.h"

#include <filesystem>

namespace halvex::platform::substitute {

bool SubstituteFolderOperations::CanEnter(std::string_view folder) {
  if (unenterable_.contains(std::string(folder))) return false;
  return !folder.empty() && files_.FolderExists(folder);
}

bool SubstituteFolderOperations::DeleteForGood(std::string_view path) {
  calls_.push_back("delete " + std::string(path));
  const std::optional<std::filesystem::path> host = files_.HostPath(path);
  if (!host) return false;
  std::error_code error;
  std::filesystem::remove_all(*host, error);
  return !error && !std::filesystem::exists(*host, error);
}

}  // namespace halvex::platform::substitute
