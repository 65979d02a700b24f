// Startup programs: which order subkeys of the Start menu's Programs key have lost their folder,
// where the two Programs folders come from, and a repair that deletes only the subkey.
#include "scan/sections/menu_order.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/scan/section_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using Problem = model::registry_content::TContent;

constexpr int kMenuOrder = 14;
constexpr const char* kMenuOrderKey =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder";
constexpr const char* kUserShellFolders =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell "
    "Folders";
constexpr const char* kShellFolders =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// The all users' folder that %USERPROFILE% stands for: the system drive's Documents and
// Settings\All Users.
constexpr const char* kCommonPrograms =
    "C:\\Documents and Settings\\All Users\\Start Menu\\Programs";
constexpr const char* kUserPrograms = "C:\\Documents and Settings\\u\\Start Menu\\Programs";

std::string Programs(std::string_view menu) {
  return std::string(kMenuOrderKey) + "\\" + std::string(menu) + "\\Programs";
}

class MenuOrderScan : public ::testing::Test {
 protected:
  MenuOrderScan() {
    machine.SetString(kUserShellFolders, "Programs", "%USERPROFILE%\\Start Menu\\Programs");
    machine.SetString(kShellFolders, "Programs", kUserPrograms);
  }
  void AddOrder(std::string_view menu, std::string_view folder) {
    machine.SetString(Programs(menu) + "\\" + std::string(folder), "Order", "x");
  }

  ScratchMachine machine;
  ScanRun run{machine};
  RecordingRepairFrontEnd repairFrontEnd;
};

TEST_F(MenuOrderScan, ReportsOrderSubkeysWhoseFolderIsInNeitherProgramsFolder) {
  machine.AddFolder(std::string(kCommonPrograms) + "\\Games");
  machine.AddFolder(std::string(kUserPrograms) + "\\Tools");
  for (const char* folder : {"Games", "Gone", "Tools", "Lost"}) AddOrder("Start Menu", folder);
  // Favorites has no Programs key of interest; Start Menu2 comes after the first match.
  AddOrder("Favorites", "Other");
  AddOrder("Start Menu2", "Elsewhere");
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kMenuOrder), &Problem::KeyPath),
              ElementsAre(Programs("Start Menu") + "\\Gone", Programs("Start Menu") + "\\Lost"));
}

TEST(MenuOrderFolders, AnUnknownProgramsFolderIsNotTestedAgainst) {
  struct Case {
    const char* name;
    const char* common;  // nullptr: no such value
    const char* user;
    std::size_t problems;
  };
  const Case cases[] = {
      {"both missing", nullptr, nullptr, 0},
      {"common missing", nullptr, kUserPrograms, 0},
      {"user missing, Tools only in the user's", "%USERPROFILE%\\Start Menu\\Programs", nullptr, 1},
      {"common with a variable the program cannot expand", "%APPDATA%\\Programs", kUserPrograms, 0},
      {"user on a network share", "%USERPROFILE%\\Start Menu\\Programs", "\\\\server\\u\\Programs",
       0},
  };
  for (const Case& c : cases) {
    ScratchMachine machine;
    ScanRun run{machine};
    machine.SetString(Programs("Start Menu") + "\\Tools", "Order", "x");
    machine.AddFolder(std::string(kUserPrograms) + "\\Tools");
    if (c.common) machine.SetString(kUserShellFolders, "Programs", c.common);
    if (c.user) machine.SetString(kShellFolders, "Programs", c.user);
    EXPECT_EQ(ScanOnly(run, kMenuOrder).size(), c.problems) << c.name;
  }
}

TEST_F(MenuOrderScan, FillsTheProblemRecord) {
  AddOrder("Start Menu", "Gone");
  const model::TRegistryContents& problems = ScanOnly(run, kMenuOrder);
  ASSERT_EQ(problems.size(), 1u);
  const Problem& problem = problems[0];
  const std::string keyPath = Programs("Start Menu") + "\\Gone";
  EXPECT_EQ(problem.KeyPath, keyPath);
  EXPECT_EQ(problem.ItemName, "Gone");
  EXPECT_EQ(problem.ValueName, "Gone");
  EXPECT_EQ(problem.ValueData, "");
  EXPECT_EQ(problem.DetailKeyPath, " Key Path:" + keyPath);
  EXPECT_EQ(problem.DetailValueName, " ValueName:Gone");
  EXPECT_EQ(problem.DetailValue, " Value:Gone");
  EXPECT_EQ(problem.DetailProblem, " The key does not exist at the specified location");
}

TEST_F(MenuOrderScan, AnIgnoredSubkeySkipsOnlyThatSubkey) {
  for (const char* folder : {"A", "B", "C"}) AddOrder("Start Menu", folder);
  Exclude(machine, kMenuOrder, Programs("Start Menu") + "\\B", "B");
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kMenuOrder), &Problem::ItemName), ElementsAre("A", "C"));
}

TEST_F(MenuOrderScan, RepairDeletesOnlyTheSubkeyWhoseNameHoldsTheRootName) {
  AddOrder("Start Menu", "OldHKEY_CURRENT_USER");
  machine.SetString(Programs("Start Menu") + "\\Old", "Order", "kept");
  machine.AddFolder(std::string(kUserPrograms) + "\\Old");
  ASSERT_THAT(FieldOfEach(ScanOnly(run, kMenuOrder), &Problem::ItemName),
              ElementsAre("OldHKEY_CURRENT_USER"));
  EXPECT_THAT(RepairOnly(run, kMenuOrder, repairFrontEnd), ElementsAre(scan::kRepairedStatus));
  EXPECT_FALSE(machine.ValueExists(Programs("Start Menu") + "\\OldHKEY_CURRENT_USER", "Order"));
  EXPECT_TRUE(machine.ValueExists(Programs("Start Menu") + "\\Old", "Order"));
}

}  // namespace
}  // namespace halvex::testing
