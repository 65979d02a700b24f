#include "tests/support/scratch_machine.h"

#include <gtest/gtest.h>
#include <atomic>
#include <chrono>
#include <stdexcept>

#include <utility>

#include "model/key_naming.h"
#include "model/registry_object.h"
#include "platform/substitute/windows_path.h"

namespace halvex::testing {
namespace {

namespace fs = std::filesystem;
using platform::substitute::HostDrive;

// A new folder of its own below the temporary folder, on POSIX hosts and Windows alike.
fs::path MakeScratchRoot() {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path root = fs::temp_directory_path() / ("halvex-scratch-" + std::to_string(stamp) +
                                                       "-" + std::to_string(counter++));
    std::error_code error;
    if (fs::create_directory(root, error)) return root;
  }
  throw std::runtime_error("no scratch folder");
}

std::vector<HostDrive> HostDrives(const fs::path& root, const std::vector<ScratchDrive>& drives) {
  std::vector<HostDrive> hostDrives;
  for (const ScratchDrive& drive : drives) {
    HostDrive host;
    host.letter = drive.letter;
    host.folder = root / std::string(1, drive.letter);
    if (const auto onto = platform::substitute::ParseWindowsPath(drive.onto)) {
      host.folder = root / std::string(1, onto->drive);
      for (const std::string& name : onto->names) host.folder /= name;
    }
    host.type = drive.type;
    hostDrives.push_back(host);
  }
  return hostDrives;
}

}  // namespace

ScratchMachine::ScratchMachine(platform::substitute::SystemFolders folders,
                               std::vector<ScratchDrive> drives)
    : root_(MakeScratchRoot()), files_(HostDrives(root_, drives), std::move(folders)) {}

ScratchMachine::~ScratchMachine() {
  std::error_code error;
  fs::remove_all(root_, error);
}

fs::path ScratchMachine::HostFolderOf(std::string_view path) const {
  const auto parsed = platform::substitute::ParseWindowsPath(path);
  if (!parsed) throw std::invalid_argument("not a Windows path: " + std::string(path));
  fs::path host = root_ / std::string(1, parsed->drive);
  for (const std::string& name : parsed->names) host /= name;
  return host;
}

void ScratchMachine::AddFile(std::string_view path, std::string_view bytes) {
  fs::create_directories(HostFolderOf(path).parent_path());
  ASSERT_TRUE(files_.WriteFile(path, bytes)) << path;
}

void ScratchMachine::AddFolder(std::string_view path) {
  fs::create_directories(HostFolderOf(path));
}

std::string ScratchMachine::Read(std::string_view path) {
  return files_.ReadFile(path).value_or("<missing>");
}

void ScratchMachine::SetValue(std::string_view fullKeyPath, std::string_view name,
                              std::uint32_t type, const std::vector<std::uint8_t>& data) {
  const model::SplitKeyPath split = model::SplitFullKeyPath(fullKeyPath);
  platform::KeyHandle key;
  ASSERT_EQ(registry.CreateKey(platform::RootHandle(split.root),
                               std::string_view(split.absolutePath).substr(1), key),
            platform::RegStatus::Ok)
      << fullKeyPath;
  EXPECT_EQ(registry.SetValue(key, name, type, data), platform::RegStatus::Ok) << name;
  registry.CloseKey(key);
}

void ScratchMachine::SetString(std::string_view fullKeyPath, std::string_view name,
                               std::string_view text) {
  std::vector<std::uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  SetValue(fullKeyPath, name, platform::reg_type::kString, data);
}

void ScratchMachine::SetDword(std::string_view fullKeyPath, std::string_view name,
                              std::uint32_t number) {
  SetValue(fullKeyPath, name, platform::reg_type::kDword,
           {std::uint8_t(number), std::uint8_t(number >> 8), std::uint8_t(number >> 16),
            std::uint8_t(number >> 24)});
}

bool ScratchMachine::ValueExists(std::string_view fullKeyPath, std::string_view name) {
  const model::SplitKeyPath split = model::SplitFullKeyPath(fullKeyPath);
  model::RegistryObject key(registry);
  key.SetRootKey(split.root);
  return key.OpenKey(split.absolutePath, false) && key.ValueExists(name);
}

}  // namespace halvex::testing
