// On Windows the live machine is the system itself, through the Win32 bindings.
#include "cli/machine_access.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_http_client.h"
#include "platform/win32/win32_machine.h"
#include "platform/win32/win32_platform_class.h"
#include "platform/win32/win32_restore_points.h"
#include "platform/win32/win32_service_manager.h"

namespace halvex::cli {
namespace {

class LiveMachine final : public Machine {
 public:
  platform::Platform& platform() override { return machine_.platform; }
  platform::PlatformClass platformClass() override {
    return platform::win32::SystemPlatformClass();
  }
  platform::ProcessRunner& processes() override { return machine_.registryEditor; }
  // The live registry and files change as the logic changes them.
  std::optional<std::string> SaveChanges() override { return std::nullopt; }
  platform::RestorePointService* restorePoints() override { return &restorePoints_; }
  platform::HttpClient* network() override { return &http_; }
  platform::ServiceManager* services() override { return &services_; }
  platform::ProcessStarter* programStarter() override { return &starter_; }
  platform::ShellOperations& shell() override { return machine_.shell; }
  platform::FileIdentities& identities() override { return machine_.identities; }
  platform::UrlCache& urlCache() override { return machine_.urlCache; }
  platform::RecycleBin& recycleBin() override { return machine_.recycleBin; }
  platform::FolderOperations& folders() override { return machine_.folders; }

 private:
  platform::win32::Win32Machine machine_;
  platform::win32::Win32RestorePoints restorePoints_;
  platform::win32::Win32HttpClient http_;
  platform::win32::Win32ServiceManager services_;
  platform::win32::Win32ProcessStarter starter_;
};

}  // namespace

std::variant<std::unique_ptr<Machine>, std::string> OpenLiveMachine() {
  return std::unique_ptr<Machine>(std::make_unique<LiveMachine>());
}

}  // namespace halvex::cli
