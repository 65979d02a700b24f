#pragma once
// A small substitute machine for the model's tests: drive C: (and any others a test names) on
// fresh host folders that are removed afterwards, the system folders of a test's choosing, the
// Windows-1252 locale and an in-memory registry.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/substitute/host_file_system.h"
#include "platform/substitute/memory_registry.h"
#include "platform/substitute/substitute_locale.h"

namespace halvex::testing {

struct ScratchDrive {
  char letter;
  platform::DriveType type;
};

class ScratchMachine {
 public:
  explicit ScratchMachine(platform::substitute::SystemFolders folders = {},
                          std::vector<ScratchDrive> drives = {{'C', platform::DriveType::Fixed}});
  ~ScratchMachine();
  ScratchMachine(const ScratchMachine&) = delete;
  ScratchMachine& operator=(const ScratchMachine&) = delete;

  platform::substitute::HostFileSystem& files() { return files_; }

  // Creates a file, and every folder above it, on a configured drive ("C:\App\a.exe").
  void AddFile(std::string_view path, std::string_view bytes = {});
  void AddFolder(std::string_view path);
  // The bytes of a file, or "<missing>".
  std::string Read(std::string_view path);

  platform::substitute::SubstituteLocale locale;
  platform::substitute::MemoryRegistry registry;

 private:
  std::filesystem::path HostFolderOf(std::string_view path) const;

  std::filesystem::path root_;
  platform::substitute::HostFileSystem files_;
};

}  // namespace halvex::testing
