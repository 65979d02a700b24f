// Device filters: the CD-ROM class key's filter lists, their exclusion and their repair.
#include "scan/sections/device_filters.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/scan/section_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using Problem = model::registry_content::TContent;
namespace reg_type = platform::reg_type;

constexpr int kDeviceFilters = 7;
constexpr const char* kClassKey =
    "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Class\\"
    "{4D36E965-E325-11CE-BFC1-08002BE10318}";

class DeviceFiltersScan : public ::testing::Test {
 protected:
  void SetFilter(const char* name) {
    machine.SetValue(kClassKey, name, reg_type::kMultiString,
                     {'r', 'e', 'd', 'b', 'o', 'o', 'k', 0, 0});
  }

  ScratchMachine machine{{}, kScanDrives};
  ScanRun run{machine};
  RecordingRepairFrontEnd repairFrontEnd;
};

TEST_F(DeviceFiltersScan, ReportsEachFilterListThatExists) {
  struct Case {
    std::vector<const char*> values;
    std::vector<std::string> reported;
  };
  const Case cases[] = {
      {{}, {}},
      {{"UpperFilters"}, {"Upperfilters"}},
      {{"LowerFilters"}, {"Lowerfilters"}},
      {{"LowerFilters", "UpperFilters"}, {"Upperfilters", "Lowerfilters"}},
      {{"Class"}, {}},
  };
  for (const Case& c : cases) {
    ScratchMachine fresh{{}, kScanDrives};
    ScanRun freshRun{fresh};
    fresh.SetString(kClassKey, "Class", "CDROM");
    for (const char* value : c.values) {
      fresh.SetValue(kClassKey, value, reg_type::kMultiString, {0});
    }
    EXPECT_EQ(FieldOfEach(ScanOnly(freshRun, kDeviceFilters), &Problem::ValueName), c.reported)
        << ::testing::PrintToString(c.values);
  }
}

TEST_F(DeviceFiltersScan, FillsTheProblemRecord) {
  SetFilter("UpperFilters");
  const model::TRegistryContents& problems = ScanOnly(run, kDeviceFilters);
  ASSERT_EQ(problems.size(), 1u);
  const Problem& problem = problems[0];
  EXPECT_EQ(problem.KeyPath, kClassKey);
  EXPECT_EQ(problem.ItemName, "");
  EXPECT_EQ(problem.ValueName, "Upperfilters");
  EXPECT_EQ(problem.ValueData, "");
  EXPECT_EQ(problem.DetailKeyPath, std::string(" Key Path:") + kClassKey);
  EXPECT_EQ(problem.DetailValueName, " ValueName:Upperfilters");
  EXPECT_EQ(problem.DetailValue, " Value: Empty");
  EXPECT_EQ(problem.DetailProblem, " The bad key");
}

TEST_F(DeviceFiltersScan, AnExcludedFilterIsNoLongerReported) {
  SetFilter("UpperFilters");
  SetFilter("LowerFilters");
  Exclude(machine, kDeviceFilters, kClassKey, "Upperfilters");
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kDeviceFilters), &Problem::ValueName),
              ElementsAre("Lowerfilters"));
}

TEST_F(DeviceFiltersScan, RepairDeletesBothListsAndKeepsTheClassKey) {
  machine.SetString(kClassKey, "Class", "CDROM");
  SetFilter("UpperFilters");
  SetFilter("LowerFilters");
  ASSERT_EQ(ScanOnly(run, kDeviceFilters).size(), 2u);
  EXPECT_THAT(RepairOnly(run, kDeviceFilters, repairFrontEnd),
              ElementsAre(scan::kRepairedStatus, scan::kRepairedStatus));
  EXPECT_FALSE(machine.ValueExists(kClassKey, "UpperFilters"));
  EXPECT_FALSE(machine.ValueExists(kClassKey, "LowerFilters"));
  EXPECT_TRUE(machine.ValueExists(kClassKey, "Class"));
}

}  // namespace
}  // namespace halvex::testing
