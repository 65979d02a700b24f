// Empty registry keys: which keys of the users' hive are empty, which are never reported, and a
// repair that deletes the key and nothing that merely shares its name.
#include "scan/sections/empty_keys.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/scan/section_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAreArray;
using Problem = model::registry_content::TContent;

constexpr int kEmptyKeys = 12;

class EmptyKeysScan : public ::testing::Test {
 protected:
  void AddKey(std::string_view path) {
    platform::KeyHandle key;
    ASSERT_EQ(machine.registry.CreateKey(platform::RootHandle(platform::RootKey::Users), path, key),
              platform::RegStatus::Ok);
    machine.registry.CloseKey(key);
  }
  bool KeyExists(std::string_view path) {
    platform::KeyHandle key;
    if (machine.registry.OpenKey(platform::RootHandle(platform::RootKey::Users), path,
                                 platform::KeyAccess::Read, key) != platform::RegStatus::Ok) {
      return false;
    }
    machine.registry.CloseKey(key);
    return true;
  }

  ScratchMachine machine;
  ScanRun run{machine};
  RecordingRepairFrontEnd repairFrontEnd;
};

TEST_F(EmptyKeysScan, ReportsKeysWithoutSubkeysAndValues) {
  struct Case {
    const char* path;  // below HKEY_USERS, made without values
    bool reported;
  };
  const Case cases[] = {
      {"S-1-5-21-x\\Software\\Vendor\\Empty", true},
      // A key with an empty subkey is not tested itself; the subkey is.
      {"S-1-5-21-x\\Software\\Parent\\Child", true},
      {"S-1-5-21-x\\Software\\Classes\\MIME\\Database\\X", false},
      {"S-1-5-21-x\\Software\\mimeish", false},
      {"S-1-5-19_Classes", false},
      {"S-1-5-19\\Software\\Classes", false},
      {"S-1-5-20_Classes", false},
      {"S-1-5-20\\Software\\Classes", false},
      // The whole path is compared, not the key's name.
      {"S-1-5-21-x\\S-1-5-19_Classes", true},
      {".DEFAULT\\Software\\Empty", false},
      {"S-1-5-21-x\\.DEFAULT", true},
  };
  std::vector<std::string> expected;
  for (const Case& c : cases) {
    AddKey(c.path);
    if (c.reported) expected.push_back(c.path);
  }
  machine.SetString("HKEY_USERS\\S-1-5-21-x\\Software\\WithDefault", "", "");
  machine.SetDword("HKEY_USERS\\S-1-5-21-x\\Software\\WithValue", "n", 1);
  // S-1-5-19 and S-1-5-20 hold their Software\Classes keys; the software keys above them are
  // not empty either.
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kEmptyKeys), &Problem::ItemName),
              UnorderedElementsAreArray(expected));
}

TEST_F(EmptyKeysScan, FillsTheProblemRecord) {
  AddKey("S-1-5-21-x\\Software\\Vendor\\Empty");
  const model::TRegistryContents& problems = ScanOnly(run, kEmptyKeys);
  ASSERT_EQ(problems.size(), 1u);
  const Problem& problem = problems[0];
  const std::string keyPath = "HKEY_USERS\\S-1-5-21-x\\Software\\Vendor\\Empty";
  EXPECT_EQ(problem.KeyPath, keyPath);
  EXPECT_EQ(problem.ItemName, "S-1-5-21-x\\Software\\Vendor\\Empty");
  EXPECT_EQ(problem.ValueName, "default");
  EXPECT_EQ(problem.ValueData, "");
  EXPECT_EQ(problem.DetailKeyPath, " Key Path:" + keyPath);
  EXPECT_EQ(problem.DetailValueName, " ValueName:default");
  EXPECT_EQ(problem.DetailValue, " Value: empty");
  EXPECT_EQ(problem.DetailProblem, " The key is empty key");
}

TEST_F(EmptyKeysScan, AnIgnoredKeySkipsOnlyThatKey) {
  for (const char* name : {"A", "B", "C"}) AddKey(std::string("S-1-5-21-x\\Software\\") + name);
  Exclude(machine, kEmptyKeys, "HKEY_USERS\\S-1-5-21-x\\Software\\B", "default");
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kEmptyKeys), &Problem::ItemName),
              ElementsAre("S-1-5-21-x\\Software\\A", "S-1-5-21-x\\Software\\C"));
}

TEST_F(EmptyKeysScan, RepairDeletesOnlyTheEmptyKeyWhoseNameHoldsTheRootName) {
  AddKey("S-1-5-21-x\\Software\\OldHKEY_USERS");
  machine.SetString("HKEY_USERS\\S-1-5-21-x\\Software\\Old\\Kept", "v", "data");
  ASSERT_THAT(FieldOfEach(ScanOnly(run, kEmptyKeys), &Problem::ItemName),
              ElementsAre("S-1-5-21-x\\Software\\OldHKEY_USERS"));
  EXPECT_EQ(scan::EmptyKeysSection().TargetOf(run.model.SectionContents[kEmptyKeys][0]).kind,
            scan::RepairTarget::Kind::KeyTree);
  EXPECT_THAT(RepairOnly(run, kEmptyKeys, repairFrontEnd), ElementsAre(scan::kRepairedStatus));
  EXPECT_FALSE(KeyExists("S-1-5-21-x\\Software\\OldHKEY_USERS"));
  EXPECT_TRUE(machine.ValueExists("HKEY_USERS\\S-1-5-21-x\\Software\\Old\\Kept", "v"));
}

}  // namespace
}  // namespace halvex::testing
