#pragma once
// Which file a path leads to: two paths (two drive letters onto one folder, two hard links)
// lead to the same file when their identities are equal.
#include <cstdint>
#include <optional>
#include <string_view>

namespace halvex::platform {

// The volume serial number and file index on Windows; the device and inode on the substitute.
struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

class FileIdentities {
 public:
  virtual ~FileIdentities() = default;
  // nullopt when the path leads to no file or folder that can be opened.
  virtual std::optional<FileIdentity> IdentityOf(std::string_view path) = 0;
};

}  // namespace halvex::platform
