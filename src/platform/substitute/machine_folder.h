#pragma once
// A substitute machine configured from a folder on disk, the input of `halvex-cli --machine DIR`
// and of most fixtures (docs/machine-folder.md describes the layout):
//   DIR/registry.reg     the whole registry
//   DIR/drives/C/...     the files of drive C:, likewise for every other drive
//   DIR/machine.ini      optional: platform, version, folders, code page, clock, drives
//   DIR/attributes.ini   optional: attributes and times of files and folders
//   DIR/versions.ini     optional: version resources of files
//   DIR/recycled/        what the program moved to the Recycle Bin (written back, never read)
//   DIR/urlcache.txt     optional: the browser's URL cache, one "TYPE URL" line per entry
// The drives are copied into a working folder of the machine's own, so that what the logic
// changes never touches DIR; the copy goes when the machine goes.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <variant>

#include "platform/platform.h"
#include "platform/substitute/fixed_clock.h"
#include "platform/substitute/host_file_identities.h"
#include "platform/substitute/host_file_system.h"
#include "platform/substitute/machine_ini.h"
#include "platform/substitute/memory_registry.h"
#include "platform/substitute/scripted_url_cache.h"
#include "platform/substitute/substitute_file_versions.h"
#include "platform/substitute/substitute_folder_operations.h"
#include "platform/substitute/substitute_locale.h"
#include "platform/substitute/substitute_profile_files.h"
#include "platform/substitute/substitute_recycle_bin.h"
#include "platform/substitute/substitute_shell.h"
#include "platform/substitute/substitute_shell_links.h"

namespace halvex::platform::substitute {

// What the system reports about itself (GetVersionExA).
struct MachineFacts {
  PlatformClass platformClass = PlatformClass::NtFamily;
  unsigned majorVersion = 6;
  unsigned minorVersion = 1;
};

class SubstituteMachine {
 public:
  SubstituteMachine(const MachineSettings& settings, std::filesystem::path sourceFolder,
                    std::filesystem::path workingFolder);
  ~SubstituteMachine();
  SubstituteMachine(const SubstituteMachine&) = delete;
  SubstituteMachine& operator=(const SubstituteMachine&) = delete;

  MemoryRegistry& registry() { return registry_; }
  HostFileSystem& files() { return files_; }
  SubstituteLocale& locale() { return locale_; }
  FixedClock& clock() { return clock_; }
  SubstituteShellLinks& links() { return links_; }
  SubstituteProfileFiles& profiles() { return profiles_; }
  SubstituteFileVersions& versions() { return versions_; }
  const MachineFacts& facts() const { return facts_; }
  // The shell (its Recycle Bin is the working folder's "recycled", saved back to
  // DIR/recycled) and the files' identities.
  SubstituteShell& shell() { return shell_; }
  HostFileIdentities& identities() { return identities_; }
  // What the logic is handed: every service of this machine.
  Platform platform() {
    return Platform{registry_, files_, locale_, clock_, links_, profiles_, versions_};
  }

  // The history cleaner's services: the URL cache of DIR/urlcache.txt, the Recycle Bin the shell
  // recycles into, and folder entry and deletion on the drives.
  ScriptedUrlCache& urlCache() { return urlCache_; }
  SubstituteRecycleBin& recycleBin() { return recycleBin_; }
  SubstituteFolderOperations& folders() { return folders_; }

  // Kept for writing the machine back to its folder.
  const MachineSettings& settings() const { return settings_; }
  const std::filesystem::path& sourceFolder() const { return sourceFolder_; }
  // Holds one folder per drive letter, the drives' working copies.
  const std::filesystem::path& workingFolder() const { return workingFolder_; }

 private:
  MachineSettings settings_;
  std::filesystem::path sourceFolder_;
  std::filesystem::path workingFolder_;
  const CodePage& codePage_;
  MemoryRegistry registry_;
  HostFileSystem files_;
  SubstituteLocale locale_;
  FixedClock clock_;
  SubstituteShellLinks links_;
  MachineFacts facts_;
  SubstituteProfileFiles profiles_{files_};
  SubstituteFileVersions versions_{files_};
  SubstituteShell shell_;
  HostFileIdentities identities_;
  ScriptedUrlCache urlCache_;
  SubstituteRecycleBin recycleBin_;
  SubstituteFolderOperations folders_;
};

// Why a machine folder did not load: the file, the line in it (0 when no line is to blame).
struct MachineFolderError {
  std::filesystem::path file;
  std::size_t line = 0;
  std::string message;

  // "DIR/machine.ini:3: unknown key 'platfrom' in [machine]".
  std::string Describe() const;
};

// A whole machine, or the first error; never a machine loaded in part.
class [[nodiscard]] MachineFolderResult {
 public:
  MachineFolderResult(std::unique_ptr<SubstituteMachine> machine) : outcome_(std::move(machine)) {}
  MachineFolderResult(MachineFolderError error) : outcome_(std::move(error)) {}

  bool ok() const { return std::holds_alternative<std::unique_ptr<SubstituteMachine>>(outcome_); }
  // Only when ok(); hands the machine over.
  std::unique_ptr<SubstituteMachine> TakeMachine() {
    return std::move(std::get<std::unique_ptr<SubstituteMachine>>(outcome_));
  }
  // Only when !ok().
  const MachineFolderError& error() const { return std::get<MachineFolderError>(outcome_); }

 private:
  std::variant<std::unique_ptr<SubstituteMachine>, MachineFolderError> outcome_;
};

// Loads the machine of `folder`. Its working copy goes into a new folder below
// `workingParent`, the host's temporary folder unless given.
MachineFolderResult LoadMachineFolder(const std::filesystem::path& folder,
                                      const std::filesystem::path& workingParent = {});

}  // namespace halvex::platform::substitute
