#include "cli/machine_access.h"

#include "platform/substitute/machine_folder.h"
#include "platform/substitute/machine_folder_save.h"
#include "platform/substitute/substitute_registry_editor.h"
#include "platform/substitute/substitute_restore_points.h"
#include "platform/substitute/substitute_service_manager.h"

namespace halvex::cli {
namespace {

using platform::substitute::RegFileFormat;

// The registry editor of the Windows 95 family writes REGEDIT4 files.
RegFileFormat EditorFormat(platform::PlatformClass platformClass) {
  return platformClass == platform::PlatformClass::Windows95Family ? RegFileFormat::Regedit4
                                                                   : RegFileFormat::Version5;
}

class FolderMachine final : public Machine {
 public:
  explicit FolderMachine(std::unique_ptr<platform::substitute::SubstituteMachine> machine)
      : machine_(std::move(machine)),
        platform_(machine_->platform()),
        editor_(machine_->registry(), machine_->files(), machine_->registry().codePage(),
                EditorFormat(machine_->facts().platformClass)) {}
  platform::Platform& platform() override { return platform_; }
  platform::PlatformClass platformClass() override { return machine_->facts().platformClass; }
  platform::ProcessRunner& processes() override { return editor_; }
  std::vector<std::string> SkippedLines() override { return editor_.skippedLines(); }
  std::optional<std::string> SaveChanges() override {
    const auto error = platform::substitute::SaveMachineFolder(*machine_);
    if (!error) return std::nullopt;
    return error->Describe();
  }
  platform::RestorePointService* restorePoints() override { return &restorePoints_; }
  platform::ServiceManager* services() override { return &services_; }
  platform::ShellOperations& shell() override { return machine_->shell(); }
  platform::FileIdentities& identities() override { return machine_->identities(); }
  platform::UrlCache& urlCache() override { return machine_->urlCache(); }
  platform::RecycleBin& recycleBin() override { return machine_->recycleBin(); }
  platform::FolderOperations& folders() override { return machine_->folders(); }

 private:
  std::unique_ptr<platform::substitute::SubstituteMachine> machine_;
  platform::Platform platform_;
  platform::substitute::SubstituteRegistryEditor editor_;
  platform::substitute::SubstituteRestorePoints restorePoints_{machine_->files(),
                                                               machine_->clock()};
  platform::substitute::SubstituteServiceManager services_{machine_->registry()};
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
