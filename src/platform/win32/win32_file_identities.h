#pragma once
// File identities from the system: the volume serial number and the file index
// (GetFileInformationByHandle).
#include "platform/file_identity.h"

namespace halvex::platform::win32 {

class Win32FileIdentities final : public FileIdentities {
 public:
  std::optional<FileIdentity> IdentityOf(std::string_view path) override;
};

}  // namespace halvex::platform::win32
