#pragma once
// The system restore service through the management service: the class SystemRestore in
// "root\default". COM is initialised around each call. Deleting uses the class's "Delete"
// method where it has one, else the system's restore point removal call of srclient.dll.
#include "platform/restore_points.h"

namespace halvex::platform::win32 {

class Win32RestorePoints final : public RestorePointService {
 public:
  RestorePointListing List() override;
  RestorePointAnswer Create(std::string_view description, std::int32_t type,
                            std::int32_t eventType) override;
  RestorePointAnswer Restore(std::uint32_t sequenceNumber) override;
  RestorePointAnswer Delete(std::uint32_t sequenceNumber) override;
  // Enables the shutdown privilege, then ExitWindowsEx with `flags`.
  void Restart(std::uint32_t flags) override;
};

}  // namespace halvex::platform::win32
