// The speed backup files: their names, the backups list, and restoring one that is gone.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "platform/substitute/substitute_service_manager.h"
#include "tests/support/scratch_machine.h"
#include "tests/tools/memory_profile_file.h"
#include "tools/system_speed/speed_backups.h"

namespace halvex::tools::system_speed {
namespace {

using platform::substitute::SubstituteServiceManager;
using testing::MemoryProfileFile;
using testing::ScratchMachine;

constexpr std::string_view kFolder = "C:\\Program Files\\Halvex\\RepairBackup\\";

// Profile files kept in memory by path; the first write also makes the file on the drive, so
// the backups list sees it.
class ProfileFiles {
 public:
  explicit ProfileFiles(platform::FileSystem& files) : files_(files) {}

  std::unique_ptr<ProfileFile> Open(const std::string& path) {
    auto [entry, added] = held_.try_emplace(path, path);
    return std::make_unique<Forward>(entry->second, files_);
  }
  MemoryProfileFile& at(const std::string& path) { return held_.at(path); }

 private:
  class Forward final : public ProfileFile {
   public:
    Forward(MemoryProfileFile& file, platform::FileSystem& files) : file_(file), files_(files) {}
    const std::string& path() const override { return file_.path(); }
    std::vector<std::string> SectionKeys(std::string_view section) override {
      return file_.SectionKeys(section);
    }
    std::optional<std::string> Read(std::string_view section, std::string_view key) override {
      return file_.Read(section, key);
    }
    bool Write(std::string_view section, std::string_view key, std::string_view text) override {
      return files_.AppendFile(file_.path(), "") && file_.Write(section, key, text);
    }
    bool DeleteKey(std::string_view section, std::string_view key) override {
      return file_.DeleteKey(section, key);
    }

   private:
    MemoryProfileFile& file_;
    platform::FileSystem& files_;
  };

  platform::FileSystem& files_;
  std::map<std::string, MemoryProfileFile> held_;
};

struct SpeedMachine {
  SpeedMachine() {
    machine.clock.SetNow({2026, 12, 11, 9, 5, 7, 0});
    machine.AddFolder("C:\\Program Files\\Halvex");
  }

  SpeedServices services() {
    return {machine.registry, machine.files(), machine.clock, serviceManager,
            [this](const std::string& path) { return profiles.Open(path); }};
  }

  ScratchMachine machine;
  SubstituteServiceManager serviceManager{machine.registry};
  ProfileFiles profiles{machine.files()};
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
  EXPECT_EQ(speed.profiles.at(run.backupFile).Read("Quicken menu display speed", "F1"), "");
}

}  // namespace
}  // namespace halvex::tools::system_speed
