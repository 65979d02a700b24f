#include "cli/machine_access.h"

#include "platform/substitute/machine_folder.h"

namespace halvex::cli {
namespace {

class FolderMachine final : public Machine {
 public:
  explicit FolderMachine(std::unique_ptr<platform::substitute::SubstituteMachine> machine)
      : machine_(std::move(machine)), platform_(machine_->platform()) {}
  platform::Platform& platform() override { return platform_; }

 private:
  std::unique_ptr<platform::substitute::SubstituteMachine> machine_;
  platform::Platform platform_;
};

}  // namespace

std::variant<std::unique_ptr<Machine>, std::string> OpenMachine(
    const std::optional<std::string>& machineFolder) {
  if (!machineFolder) return OpenLiveMachine();
  auto loaded = platform::substitute::LoadMachineFolder(*machineFolder);
  if (!loaded.ok()) return loaded.error().Describe();
  return std::unique_ptr<Machine>(std::make_unique<FolderMachine>(loaded.TakeMachine()));
}

}  // namespace halvex::cli
