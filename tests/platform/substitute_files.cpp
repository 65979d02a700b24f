#include "tests/platform/substitute_files.h"

#include <stdexcept>

#include "platform/substitute/fixed_clock.h"
#include "platform/substitute/host_file_identities.h"
#include "platform/substitute/host_file_system.h"
#include "platform/substitute/substitute_shell.h"
#include "platform/substitute/substitute_shell_links.h"
#include "platform/substitute/substitute_task_scheduler.h"
#include "tests/platform/host_temp_folder.h"

namespace halvex::testing {
namespace {

using platform::substitute::HostDrive;
using platform::substitute::HostFileSystem;
using platform::substitute::SystemFolders;

class SubstituteFiles final : public FilesUnderTest {
 public:
  SubstituteFiles()
      : files_({HostDrive{'C', host_.path() / "C"}}, SystemFolders{}), links_(files_) {
    for (const std::string& folder : {files_.WindowsFolder(), files_.SystemFolder(),
                                      files_.TempFolder(), files_.ProgramFolder()}) {
      std::string partial;
      for (std::size_t at = folder.find('\\'); at != std::string::npos;
           at = folder.find('\\', at + 1)) {
        partial = folder.substr(0, at);
        if (partial.size() > 2 && !files_.FolderExists(partial)) (void)files_.CreateFolder(partial);
      }
      if (!files_.FolderExists(folder) && !files_.CreateFolder(folder)) {
        throw std::runtime_error("cannot create " + folder);
      }
    }
  }

  platform::FileSystem& files() override { return files_; }
  platform::ShellLinks* links() override { return &links_; }
  bool SetAttributes(const std::string& path, std::uint32_t attributes) override {
    return files_.SetAttributes(path, attributes);
  }
  void RemoveTree(const std::string&) override {}  // the host folder goes as a whole
  platform::ShellOperations& shell() override { return shell_; }
  platform::FileIdentities& identities() override { return identities_; }

 private:
  HostTempFolder host_;
  HostFileSystem files_;
  platform::substitute::SubstituteShellLinks links_;
  platform::substitute::SubstituteShell shell_{files_, host_.path() / "recycled"};
  platform::substitute::HostFileIdentities identities_{files_};
};

class SubstituteScheduler final : public SchedulerUnderTest {
 public:
  platform::TaskSchedulerService& service() override { return service_; }

 private:
  SubstituteFiles files_;
  platform::substitute::FixedClock clock_;
  platform::substitute::SubstituteTaskSchedulerService service_{files_.files(), clock_};
};

}  // namespace

std::unique_ptr<FilesUnderTest> MakeSubstituteFiles() {
  return std::make_unique<SubstituteFiles>();
}

std::unique_ptr<SchedulerUnderTest> MakeSubstituteScheduler() {
  return std::make_unique<SubstituteScheduler>();
}

}  // namespace halvex::testing
