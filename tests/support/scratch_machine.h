#pragma once
// A small substitute machine for tests: drive C: (and any others a test names) on fresh host
// folders that are removed afterwards, the system folders of a test's choosing, the
// Windows-1252 locale, a fixed clock, shortcuts read from the drives, and an in-memory registry.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <cstdint>

#include "platform/platform.h"
#include "platform/substitute/fixed_clock.h"
#include "platform/substitute/host_file_identities.h"
#include "platform/substitute/host_file_system.h"
#include "platform/substitute/memory_registry.h"
#include "platform/substitute/substitute_file_versions.h"
#include "platform/substitute/substitute_locale.h"
#include "platform/substitute/substitute_profile_files.h"
#include "platform/substitute/substitute_shell.h"
#include "platform/substitute/substitute_shell_links.h"

namespace halvex::testing {

struct ScratchDrive {
  char letter;
  platform::DriveType type;
  // A folder of another drive ("C:\Data") that this letter shows, as a second drive letter
  // onto one folder does; empty for a drive of its own.
  std::string onto = {};
};

class ScratchMachine {
 public:
  explicit ScratchMachine(platform::substitute::SystemFolders folders = {},
                          std::vector<ScratchDrive> drives = {{'C', platform::DriveType::Fixed}});
  ~ScratchMachine();
  ScratchMachine(const ScratchMachine&) = delete;
  ScratchMachine& operator=(const ScratchMachine&) = delete;

  platform::substitute::HostFileSystem& files() { return files_; }
  // The whole machine, as the logic receives it.
  platform::Platform& platform() { return platform_; }

  // Creates a file, and every folder above it, on a configured drive ("C:\App\a.exe").
  void AddFile(std::string_view path, std::string_view bytes = {});
  void AddFolder(std::string_view path);
  // The bytes of a file, or "<missing>".
  std::string Read(std::string_view path);

  // Registry values by full key path ("HKEY_LOCAL_MACHINE\SOFTWARE\..."), keys made as needed.
  void SetValue(std::string_view fullKeyPath, std::string_view name, std::uint32_t type,
                const std::vector<std::uint8_t>& data);
  void SetString(std::string_view fullKeyPath, std::string_view name, std::string_view text);
  void SetDword(std::string_view fullKeyPath, std::string_view name, std::uint32_t number);
  bool ValueExists(std::string_view fullKeyPath, std::string_view name);

  platform::substitute::SubstituteLocale locale;
  platform::substitute::MemoryRegistry registry;

 private:
  std::filesystem::path HostFolderOf(std::string_view path) const;

  std::filesystem::path root_;
  platform::substitute::HostFileSystem files_;

 public:
  platform::substitute::FixedClock clock;
  platform::substitute::SubstituteShellLinks links{files_};
  platform::substitute::SubstituteProfileFiles profiles{files_};
  platform::substitute::SubstituteFileVersions versions{files_};

 private:
  platform::Platform platform_{registry, files_, locale, clock, links, profiles, versions};

 public:
  // The shell, whose Recycle Bin is the host folder "recycled" beside the drives, and the
  // files' identities.
  platform::substitute::SubstituteShell shell{files_, root_ / "recycled"};
  platform::substitute::HostFileIdentities identities{files_};
};

}  // namespace halvex::testing
