#pragma once
// File identities on the substitute: the host's device and inode of the file a machine path
// leads to, so two drive letters onto one host folder and two hard links show as one file.
#include "platform/file_identity.h"
#include "platform/substitute/host_file_system.h"

namespace halvex::platform::substitute {

class HostFileIdentities final : public FileIdentities {
 public:
  explicit HostFileIdentities(HostFileSystem& files) : files_(files) {}
  std::optional<FileIdentity> IdentityOf(std::string_view path) override;

 private:
  HostFileSystem& files_;
};

}  // namespace halvex::platform::substitute
