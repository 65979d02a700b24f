// Sounds: the key's default text value is the one problem; other values and types never are.
#include "scan/sections/sounds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/scan/section_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using Problem = model::registry_content::TContent;
namespace reg_type = platform::reg_type;

constexpr int kSounds = 15;
constexpr const char* kSoundsKey = "HKEY_LOCAL_MACHINE\\Control Panel\\Sounds";

class SoundsScan : public ::testing::Test {
 protected:
  ScratchMachine machine;
  ScanRun run{machine};
  RecordingRepairFrontEnd repairFrontEnd;
};

TEST(SoundsDefaultValue, IsReportedOnlyWhenItIsText) {
  struct Case {
    const char* name;
    std::uint32_t type;
    std::vector<std::uint8_t> data;
    std::size_t problems;
  };
  const Case cases[] = {
      {"default text", reg_type::kString, {'b', 'e', 'e', 'p', '.', 'w', 'a', 'v', 0}, 1},
      {"default expandable", reg_type::kExpandString, {'%', 'x', '%', 0}, 1},
      {"default empty", reg_type::kString, {0}, 0},
      {"default number", reg_type::kDword, {1, 0, 0, 0}, 0},
      {"default binary", reg_type::kBinary, {1, 2}, 0},
  };
  for (const Case& c : cases) {
    ScratchMachine machine;
    ScanRun run{machine};
    // Values of other types beside it end nothing.
    machine.SetDword(kSoundsKey, "Beep", 1);
    machine.SetValue(kSoundsKey, "Raw", reg_type::kBinary, {1, 2, 3});
    machine.SetString(kSoundsKey, "Named", "named.wav");
    machine.SetValue(kSoundsKey, "", c.type, c.data);
    EXPECT_EQ(ScanOnly(run, kSounds).size(), c.problems) << c.name;
    EXPECT_TRUE(run.frontEnd.failures.empty()) << c.name;
  }
}

TEST_F(SoundsScan, FillsTheProblemRecordWhetherOrNotTheFileExists) {
  machine.AddFile("C:\\WINDOWS\\beep.wav");
  machine.SetString(kSoundsKey, "", "beep.wav");
  const model::TRegistryContents& problems = ScanOnly(run, kSounds);
  ASSERT_EQ(problems.size(), 1u);
  const Problem& problem = problems[0];
  EXPECT_EQ(problem.KeyPath, kSoundsKey);
  EXPECT_EQ(problem.ItemName, "Sounds");
  EXPECT_EQ(problem.ValueName, "default");
  EXPECT_EQ(problem.ValueData, "beep.wav");
  EXPECT_EQ(problem.DetailKeyPath, std::string(" Key Path:") + kSoundsKey);
  EXPECT_EQ(problem.DetailValueName, " ValueName:default");
  EXPECT_EQ(problem.DetailValue, " Value:beep.wav");
  EXPECT_EQ(problem.DetailProblem, " The file (beep.wav) does not exist at the specified location");
}

TEST_F(SoundsScan, NoKeyNoProblemAndAnExcludedSoundStaysExcluded) {
  EXPECT_TRUE(ScanOnly(run, kSounds).empty());
  machine.SetString(kSoundsKey, "", "beep.wav");
  Exclude(machine, kSounds, kSoundsKey, "default");
  EXPECT_TRUE(ScanOnly(run, kSounds).empty());
}

TEST_F(SoundsScan, RepairDeletesTheDefaultValueOnly) {
  machine.SetString(kSoundsKey, "", "beep.wav");
  machine.SetString(kSoundsKey, "Named", "named.wav");
  ASSERT_EQ(ScanOnly(run, kSounds).size(), 1u);
  EXPECT_THAT(RepairOnly(run, kSounds, repairFrontEnd), ElementsAre(scan::kRepairedStatus));
  EXPECT_FALSE(machine.ValueExists(kSoundsKey, ""));
  EXPECT_TRUE(machine.ValueExists(kSoundsKey, "Named"));
}

}  // namespace
}  // namespace halvex::testing
