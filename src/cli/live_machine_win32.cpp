// On Windows the live machine is the system itself, through the Win32 bindings.
#include "cli/machine_access.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell_links.h"

namespace halvex::cli {
namespace {

class LiveMachine final : public Machine {
 public:
  platform::Platform& platform() override { return platform_; }

 private:
  platform::win32::Win32Registry registry_;
  platform::win32::Win32FileSystem files_;
  platform::win32::Win32Locale locale_;
  platform::win32::Win32Clock clock_;
  platform::win32::Win32ShellLinks links_;
  platform::Platform platform_{registry_, files_, locale_, clock_, links_};
};

}  // namespace

std::variant<std::unique_ptr<Machine>, std::string> OpenLiveMachine() {
  return std::unique_ptr<Machine>(std::make_unique<LiveMachine>());
}

}  // namespace halvex::cli
