// The speed backup files: their names, the backups list, and restoring one that is gone.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/substitute/substitute_service_manager.h"
#include "tests/support/scratch_machine.h"
#include "tests/tools/registry_listing.h"
#include "tools/system_speed/profile_files.h"
#include "tools/system_speed/registry_values.h"
#include "tools/system_speed/service_table.h"
#include "tools/system_speed/speed_backups.h"

namespace halvex::tools::system_speed {
namespace {

using platform::substitute::SubstituteServiceManager;
using testing::ScratchMachine;

constexpr std::string_view kFolder = "C:\\Program Files\\Halvex\\RepairBackup\\";

struct SpeedMachine {
  SpeedMachine() {
    machine.clock.SetNow({2026, 12, 11, 9, 5, 7, 0});
    machine.AddFolder("C:\\Program Files\\Halvex");
  }

  SpeedServices services() {
    return {machine.registry, machine.files(), machine.clock, serviceManager,
            ProfileFilesOf(machine.platform())};
  }

  ScratchMachine machine;
  SubstituteServiceManager serviceManager{machine.registry};
};

TEST(SpeedBackups, EachRunWritesANewFileNamedAfterTheTime) {
  SpeedMachine speed;
  SpeedServices services = speed.services();
  TweakBoxes none{};
  const OptimizationRun first = RunOptimization(services, none, ServiceBoxes{});
  const OptimizationRun second = RunOptimization(services, none, ServiceBoxes{});
  EXPECT_EQ(first.backupFile, std::string(kFolder) + "speedRestore20261211_090507.ini");
  EXPECT_EQ(second.backupFile, std::string(kFolder) + "speedRestore20261211_090507_2.ini");
}

TEST(SpeedBackups, TheListHoldsTheIniFilesNamedSpeedInAnyCase) {
  SpeedMachine speed;
  for (const char* name :
       {"_20261211_090000.reg", "SPEEDx.ini", "speedRestore1.ini", "other.ini", "speed.txt"}) {
    speed.machine.AddFile(std::string(kFolder) + name);
  }
  speed.machine.AddFolder(std::string(kFolder) + "sub");
  std::vector<std::string> names;
  for (const SpeedBackupRow& row : ListBackupFiles(speed.machine.files(), speed.machine.locale)) {
    names.push_back(row.name);
    EXPECT_EQ(row.path, std::string(kFolder) + row.name);
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"SPEEDx.ini", "speedRestore1.ini"}));
}

TEST(SpeedBackups, AMissingFolderListsNothing) {
  SpeedMachine speed;
  EXPECT_TRUE(ListBackupFiles(speed.machine.files(), speed.machine.locale).empty());
}

TEST(SpeedBackups, AFileDeletedMeanwhileRestoresNothing) {
  SpeedMachine speed;
  SpeedServices services = speed.services();
  EXPECT_FALSE(RestoreFromBackupFile(services, std::string(kFolder) + "speedGone.ini"));
  EXPECT_TRUE(speed.serviceManager.calls().empty());
}

TEST(SpeedBackups, ARunWithoutServicesTouchesNoService) {
  SpeedMachine speed;
  SpeedServices services = speed.services();
  TweakBoxes boxes{};
  boxes[1] = true;
  const OptimizationRun run = RunOptimization(services, boxes, std::nullopt);
  EXPECT_TRUE(speed.serviceManager.calls().empty());
  EXPECT_EQ(speed.machine.profiles.ReadKey(run.backupFile, "Quicken menu display speed", "F1"), "");
}

// The whole reset through the machine's profile files: every model applied and restored gives
// the registry, values, keys and services, back; restoring twice changes nothing more.
TEST(SpeedBackups, EveryModelAppliedAndResetGivesTheMachineBack) {
  for (int model = 0; model <= 5; ++model) {
    SCOPED_TRACE("model " + std::to_string(model));
    SpeedMachine speed;
    platform::Registry& registry = speed.machine.registry;
    for (const ServiceBox& box : ServiceTable()) {
      platform::ScopedKey key = OpenForWriting(
          registry, RootKey::LocalMachine,
          "SYSTEM\\CurrentControlSet\\Services\\" + std::string(box.service), KeyUse::Created);
      ASSERT_TRUE(key && WriteInteger(registry, key.get(), "Start", box.box % 2 == 0 ? 3 : 4));
    }
    speed.machine.SetString("HKEY_CURRENT_USER\\Control Panel\\Desktop", "MenuShowDelay",
                            "a \"quoted\" = text; with ; signs");
    speed.machine.SetDword(
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer",
        "AlwaysUnloadDLL", 5);
    const auto before = testing::ListRegistry(registry);

    SpeedServices services = speed.services();
    TweakBoxes tweaks{};
    PresetTweaks(model, tweaks);
    ServiceBoxes serviceBoxes{};
    PresetServices(model, serviceBoxes);
    const OptimizationRun run = RunOptimization(services, tweaks, serviceBoxes);
    EXPECT_TRUE(run.failures.empty()) << run.failures.lines.front();
    if (model != 0) {
      EXPECT_NE(testing::ListRegistry(registry), before);
    }

    for (int time = 1; time <= 2; ++time) {
      const auto failures = RestoreFromBackupFile(services, run.backupFile);
      ASSERT_TRUE(failures);
      EXPECT_TRUE(failures->empty()) << failures->lines.front();
      EXPECT_EQ(testing::ListRegistry(registry), before) << "restore " << time;
    }
  }
}

}  // namespace
}  // namespace halvex::tools::system_speed
