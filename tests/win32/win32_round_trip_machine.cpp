#include "tests/win32/win32_round_trip_machine.h"

#include <gtest/gtest.h>

#include <memory>

#include "backup/registry_editor.h"
#include "model/key_naming.h"
#include "model/registry_delete.h"
#include "tests/backup/round_trip_fixture.h"

namespace halvex::testing {
namespace {

constexpr const char* kSharedDllsBelow = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";

bool KeyExists(platform::Registry& registry, platform::RootKey root, std::string_view path) {
  platform::KeyHandle key;
  if (registry.OpenKey(platform::RootHandle(root), path, platform::KeyAccess::Read, key) !=
      platform::RegStatus::Ok) {
    return false;
  }
  registry.CloseKey(key);
  return true;
}

}  // namespace

Win32RoundTripMachine::~Win32RoundTripMachine() {
  if (prepared_) RemoveFixture();
}

bool Win32RoundTripMachine::Prepare(std::string& failure) {
  for (const char* folder : {"C:\\halvex-test", kWineProgramFolder}) {
    if (!files.FolderExists(folder) && !files.CreateFolder(folder)) {
      failure = folder;
      return false;
    }
  }
  sharedDllsExisted_ = KeyExists(registry, platform::RootKey::LocalMachine, kSharedDllsBelow);
  for (const SectionFixture& fixture : ValueSectionFixtures()) {
    for (const FixtureValue& value : fixture.values) {
      const model::SplitKeyPath split = model::SplitFullKeyPath(value.keyPath);
      if (!KeyExists(registry, split.root, std::string_view(split.absolutePath).substr(1))) {
        madeSystemKeys_.push_back(value.keyPath);
      }
    }
  }
  prepared_ = true;
  RemoveFixture();
  return true;
}

void Win32RoundTripMachine::RemoveFixture() {
  (void)model::DeleteKeyByFullPath(registry, kRoundTripScratchKey);
  for (const SectionFixture& fixture : ValueSectionFixtures()) {
    for (const std::string& key : fixture.ownKeys) (void)model::DeleteKeyByFullPath(registry, key);
    for (const FixtureValue& value : fixture.values) {
      (void)model::DeleteValueByPath(registry, value.keyPath,
                                     value.name.empty() ? "default" : value.name);
    }
  }
  for (const std::string& key : madeSystemKeys_) (void)model::DeleteKeyByFullPath(registry, key);
  if (!sharedDllsExisted_) {
    (void)model::DeleteKeyByFullPath(registry, kRoundTripSharedDlls);
  } else {
    for (const FixtureValue& value : SharedDllsProblems()) {
      (void)model::DeleteValueByPath(registry, value.keyPath,
                                     value.name.empty() ? "default" : value.name);
    }
  }
}

scan::SectionChoice Win32RoundTripMachine::sections() const {
  scan::SectionChoice withFixture{};
  withFixture[3] = true;  // Shared DLLs
  for (const SectionFixture& fixture : ValueSectionFixtures()) {
    withFixture[static_cast<std::size_t>(fixture.section - 1)] = true;
  }
  return withFixture;
}

std::string Win32RoundTripMachine::FullExport() {
  const std::string file = std::string(kWineProgramFolder) + "full.reg";
  (void)files.DeleteFile(file);
  EXPECT_TRUE(runner.RunHidden(backup::RegistryExportCommand(file), {}).succeeded());
  const std::string bytes = files.ReadFile(file).value_or("<no export>");
  (void)files.DeleteFile(file);
  return bytes;
}

// Under Wine the round trip runs on the real registry only: the substitute's runs natively.
std::vector<RoundTripBinding> RoundTripBindings() {
  return {{"Win32", [] { return std::make_unique<Win32RoundTripMachine>(); }}};
}

}  // namespace halvex::testing
