// The repair of ticked errors on the substitute registry: what each action changes, what it
// skips, and that a skipped action never stops the others.
#include <gtest/gtest.h>

#include "model/registry_object.h"
#include "tests/support/scratch_machine.h"
#include "tools/error_utilities/error_repair.h"

namespace halvex::tools::errors {
namespace {

constexpr std::string_view kExample =
    "A)HKEY_CURRENT_USER\\Software\\X||V1#5$1@0,V2#abc$1@1##Fixes A\n"
    "A)HKEY_CURRENT_USER\\Software\\Y||V3#$2@0##Fixes A\n";

class ErrorRepairTest : public ::testing::Test {
 protected:
  std::vector<ErrorRepair> Repair(std::string_view list, std::vector<std::string> names) {
    return RepairErrors(machine.registry, ParseErrorList(list, machine.locale), names);
  }
  std::optional<std::int32_t> Integer(std::string_view key, std::string_view name) {
    model::RegistryObject registry(machine.registry);
    registry.SetRootKey(platform::RootKey::CurrentUser);
    if (!registry.OpenKey(key, false) || !registry.ValueExists(name)) return std::nullopt;
    return registry.ReadInteger(name);
  }
  std::string Text(std::string_view key, std::string_view name) {
    model::RegistryObject registry(machine.registry);
    registry.SetRootKey(platform::RootKey::CurrentUser);
    if (!registry.OpenKey(key, false) || !registry.ValueExists(name)) return "<missing>";
    return registry.ReadString(name);
  }
  static std::vector<ActionOutcome> Outcomes(const ErrorRepair& repair) {
    std::vector<ActionOutcome> outcomes;
    for (const ActionReport& report : repair.actions) outcomes.push_back(report.outcome);
    return outcomes;
  }

  testing::ScratchMachine machine;
};

TEST_F(ErrorRepairTest, OneRowRunsEveryLineOfItsNameOnKeysThatExist) {
  machine.SetString("HKEY_CURRENT_USER\\Software\\X", "other", "kept");
  machine.SetString("HKEY_CURRENT_USER\\Software\\Y", "V3", "old");

  const std::vector<ErrorRepair> repairs = Repair(kExample, {"A"});

  ASSERT_EQ(repairs.size(), 1u);
  EXPECT_TRUE(repairs[0].FullyFixed());
  EXPECT_EQ(Integer("\\Software\\X", "V1"), 5);
  EXPECT_EQ(Text("\\Software\\X", "V2"), "abc");
  EXPECT_FALSE(machine.ValueExists("HKEY_CURRENT_USER\\Software\\Y", "V3"));
  EXPECT_EQ(Text("\\Software\\X", "other"), "kept");
}

TEST_F(ErrorRepairTest, AMissingKeyIsSkippedAndNeverCreated) {
  machine.SetString("HKEY_CURRENT_USER\\Software\\Y", "V3", "old");

  const std::vector<ErrorRepair> repairs = Repair(kExample, {"A"});

  EXPECT_EQ(Outcomes(repairs[0]), (std::vector{ActionOutcome::KeyMissing, ActionOutcome::KeyMissing,
                                               ActionOutcome::Applied}));
  EXPECT_FALSE(repairs[0].FullyFixed());
  model::RegistryObject registry(machine.registry);
  registry.SetRootKey(platform::RootKey::CurrentUser);
  EXPECT_FALSE(registry.KeyExists("\\Software\\X"));
}

TEST_F(ErrorRepairTest, ANonNumberForAnIntegerIsSkippedAndTheRepairGoesOn) {
  machine.SetString("HKEY_CURRENT_USER\\Software\\X", "seed", "");

  const std::vector<ErrorRepair> repairs =
      Repair("N)HKEY_CURRENT_USER\\Software\\X||A#12x$1@0,B#7$1@0,C#t$1@1##d", {"N"});

  EXPECT_EQ(Outcomes(repairs[0]), (std::vector{ActionOutcome::NotANumber, ActionOutcome::Applied,
                                               ActionOutcome::Applied}));
  EXPECT_EQ(Integer("\\Software\\X", "A"), std::nullopt);
  EXPECT_EQ(Integer("\\Software\\X", "B"), 7);
  EXPECT_EQ(Text("\\Software\\X", "C"), "t");
}

TEST_F(ErrorRepairTest, OnlyTheLeadingRootNameIsRemovedFromTheKeyPath) {
  machine.SetString("HKEY_CURRENT_USER\\Software\\OldHKEY_CURRENT_USER\\X", "seed", "");

  const std::vector<ErrorRepair> repairs =
      Repair("R)HKEY_CURRENT_USER\\Software\\OldHKEY_CURRENT_USER\\X||V#1$1@1##d", {"R"});

  EXPECT_TRUE(repairs[0].FullyFixed());
  EXPECT_EQ(Text("\\Software\\OldHKEY_CURRENT_USER\\X", "V"), "1");
}

TEST_F(ErrorRepairTest, AnUnknownRootOrABareRootChangesNothing) {
  machine.SetString("HKEY_CURRENT_USER\\Software\\X", "V", "old");

  const std::vector<ErrorRepair> repairs = Repair(
      "U)hkey_current_user\\Software\\X||V#$2@0##d\n"
      "U)HKCU\\Software\\X||V#$2@0##d\n"
      "U)HKEY_CURRENT_USER||V#new$1@1##d\n",
      {"U"});

  EXPECT_EQ(Outcomes(repairs[0]),
            (std::vector{ActionOutcome::NoRoot, ActionOutcome::NoRoot, ActionOutcome::NoRoot}));
  EXPECT_EQ(Text("\\Software\\X", "V"), "old");
}

TEST_F(ErrorRepairTest, NoOperationAndOtherTypesAreReportedAndChangeNothing) {
  machine.SetString("HKEY_CURRENT_USER\\Software\\X", "V", "old");

  const std::vector<ErrorRepair> repairs =
      Repair("O)HKEY_CURRENT_USER\\Software\\X||V#$0@0,V#new$1@5##d", {"O"});

  EXPECT_EQ(Outcomes(repairs[0]),
            (std::vector{ActionOutcome::NoOperation, ActionOutcome::NoOperation}));
  EXPECT_EQ(Text("\\Software\\X", "V"), "old");
}

TEST_F(ErrorRepairTest, DeletingAnAbsentValueCountsAsApplied) {
  machine.SetString("HKEY_CURRENT_USER\\Software\\X", "other", "");

  const std::vector<ErrorRepair> repairs =
      Repair("D)HKEY_CURRENT_USER\\Software\\X||Gone#$2@0##d", {"D"});

  EXPECT_TRUE(repairs[0].FullyFixed());
}

TEST_F(ErrorRepairTest, NamesCompareTrimmedAndANameTickedTwiceIsRepairedOnce) {
  machine.SetString("HKEY_CURRENT_USER\\Software\\X", "seed", "");

  const std::vector<ErrorRepair> repairs =
      Repair(" T )HKEY_CURRENT_USER\\Software\\X||V#1$1@0##d", {"T", "T"});

  ASSERT_EQ(repairs.size(), 1u);
  ASSERT_EQ(repairs[0].actions.size(), 1u);
  EXPECT_EQ(Integer("\\Software\\X", "V"), 1);
}

TEST_F(ErrorRepairTest, TheDescriptionsFragmentNeverDeletesAValue) {
  machine.SetString("HKEY_CURRENT_USER\\Software\\X", "V", "kept");

  const std::vector<ErrorRepair> repairs =
      Repair("F)HKEY_CURRENT_USER\\Software\\X||W#1$1@0##see ,V#x$2@0 here", {"F"});

  EXPECT_EQ(repairs[0].actions.size(), 1u);
  EXPECT_EQ(Text("\\Software\\X", "V"), "kept");
}

}  // namespace
}  // namespace halvex::tools::errors
