// Start menu items: the records of both passes, and a repair that deletes the folder subkeys
// and reports the other records repaired only once their subkey is gone.
#include "scan/sections/start_menu_items.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/scan/section_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using Problem = model::registry_content::TContent;

constexpr int kStartMenuItems = 16;
constexpr const char* kPrograms =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start "
    "Menu2\\Programs";

std::string Folder(std::string_view name) {
  return std::string(kPrograms) + "\\" + std::string(name);
}

// Accessories with its Order value, Games without values (but with a subkey of its own).
void AddAccessoriesAndGames(ScratchMachine& machine) {
  machine.SetValue(Folder("Accessories"), "Order", platform::reg_type::kBinary, {1, 2});
  machine.SetString(Folder("Games\\Deeper"), "x", "y");
}

class StartMenuItemsScan : public ::testing::Test {
 protected:
  StartMenuItemsScan() { AddAccessoriesAndGames(machine); }

  ScratchMachine machine;
  ScanRun run{machine};
};

TEST_F(StartMenuItemsScan, ListsEveryFolderAndThenEachFoldersValues) {
  const model::TRegistryContents& problems = ScanOnly(run, kStartMenuItems);
  EXPECT_THAT(FieldOfEach(problems, &Problem::ItemName),
              ElementsAre("Accessories", "Games", "Accessories", "Accessories"));
  EXPECT_THAT(FieldOfEach(problems, &Problem::ValueName),
              ElementsAre("default", "default", "default", "Order"));
  EXPECT_THAT(FieldOfEach(problems, &Problem::ValueData), ElementsAre("key", "key", "", ""));
  EXPECT_THAT(FieldOfEach(problems, &Problem::DetailValue),
              ElementsAre(" Value:Empty", " Value:Empty", "", " Value:Empty"));
  const Problem& first = problems[0];
  EXPECT_EQ(first.KeyPath, Folder("Accessories"));
  EXPECT_EQ(first.DetailKeyPath, " Key Path:" + Folder("Accessories"));
  EXPECT_EQ(first.DetailValueName, " ValueName:default");
  EXPECT_EQ(first.DetailProblem, " The key does not exist at the specified location");
  EXPECT_EQ(problems[2].DetailProblem, "");
  EXPECT_EQ(problems[3].DetailValueName, " ValueName:Order");
}

TEST_F(StartMenuItemsScan, AnIgnoredRecordSkipsOnlyThatRecord) {
  machine.SetString(Folder("Zeta"), "", "");
  Exclude(machine, kStartMenuItems, Folder("Games"), "default");
  Exclude(machine, kStartMenuItems, Folder("Accessories"), "Order");
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kStartMenuItems), &Problem::ItemName),
              ElementsAre("Accessories", "Zeta", "Accessories", "Zeta", "Zeta"));
}

TEST(StartMenuItemsRepair, DeletesTheFoldersAndTheOtherRecordsFollowTheirFolder) {
  struct Case {
    bool accessoriesMarked;  // the first record, the one that deletes Accessories
    std::vector<std::string> statuses;
    bool accessoriesLeft;
  };
  const std::string repaired(scan::kRepairedStatus), failed(scan::kNotRepairedStatus);
  const Case cases[] = {
      {true, {repaired, repaired, repaired, repaired}, false},
      {false, {repaired, failed, failed}, true},
  };
  for (const Case& c : cases) {
    ScratchMachine machine;
    ScanRun run{machine};
    RecordingRepairFrontEnd frontEnd;
    AddAccessoriesAndGames(machine);
    ASSERT_EQ(ScanOnly(run, kStartMenuItems).size(), 4u);
    run.model.SectionContents[kStartMenuItems][0].Marked = c.accessoriesMarked;
    EXPECT_EQ(RepairOnly(run, kStartMenuItems, frontEnd), c.statuses);
    EXPECT_FALSE(machine.ValueExists(Folder("Games\\Deeper"), "x"));
    EXPECT_EQ(machine.ValueExists(Folder("Accessories"), "Order"), c.accessoriesLeft);
  }
}

}  // namespace
}  // namespace halvex::testing
