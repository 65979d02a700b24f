#include "platform/substitute/host_file_identities.h"

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <system_error>

namespace halvex::platform::substitute {

std::optional<FileIdentity> HostFileIdentities::IdentityOf(std::string_view path) {
  const std::optional<std::filesystem::path> host = files_.HostPath(path);
  if (!host) return std::nullopt;
#ifdef _WIN32
  // The mingw runtime gives no inode: the canonical host path stands for the file (two drive
  // letters onto one folder are found; hard links are not).
  std::error_code error;
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(*host, error);
  if (error) return std::nullopt;
  return FileIdentity{0, std::hash<std::wstring>{}(canonical.native())};
#else
  struct stat status {};
  if (::stat(host->c_str(), &status) != 0) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                      static_cast<std::uint64_t>(status.st_ino)};
#endif
}

}  // namespace halvex::platform::substitute
