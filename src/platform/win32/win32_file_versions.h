#pragma once
// Version resources through GetFileVersionInfoA and VerQueryValueA.
#include "platform/file_versions.h"

namespace halvex::platform::win32 {

class Win32FileVersions final : public FileVersions {
 public:
  std::unique_ptr<VersionResource> Load(std::string_view file) override;
};

}  // namespace halvex::platform::win32
