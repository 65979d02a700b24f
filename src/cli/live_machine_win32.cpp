// On Windows the live machine is the system itself, through the Win32 bindings.
#include "cli/machine_access.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_platform_class.h"
#include "platform/win32/win32_process_runner.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell_links.h"

namespace halvex::cli {
namespace {

class LiveMachine final : public Machine {
 public:
  platform::Platform& platform() override { return platform_; }
  platform::PlatformClass platformClass() override {
    return platform::win32::SystemPlatformClass();
  }
  platform::ProcessRunner& processes() override { return processes_; }
  // The live registry and files change as the logic changes them.
  std::optional<std::string> SaveChanges() override { return std::nullopt; }

 private:
  platform::win32::Win32Registry registry_;
  platform::win32::Win32FileSystem files_;
  platform::win32::Win32Locale locale_;
  platform::win32::Win32Clock clock_;
  platform::win32::Win32ShellLinks links_;
  platform::win32::Win32ProcessRunner processes_;
  platform::Platform platform_{registry_, files_, locale_, clock_, links_};
};

}  // namespace

std::variant<std::unique_ptr<Machine>, std::string> OpenLiveMachine() {
  return std::unique_ptr<Machine>(std::make_unique<LiveMachine>());
}

}  // namespace halvex::cli
