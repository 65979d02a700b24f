// The platform registry interface, checked the same way on every binding.
#include "tests/platform/registry_contract.h"

namespace halvex::testing {
namespace {

using platform::KeyAccess;
using platform::KeyHandle;
using platform::RegStatus;
using platform::RegValue;
using ::testing::ElementsAre;
namespace reg_type = platform::reg_type;

TEST_P(RegistryContract, OpensWhatExistsAndReportsWhatDoesNot) {
  MakeKey("Present\\Child");
  KeyHandle key;
  const KeyHandle root = platform::RootHandle(this->root());
  EXPECT_EQ(registry().OpenKey(root, Path("Present\\Child"), KeyAccess::ReadWrite, key),
            RegStatus::Ok);
  registry().CloseKey(key);
  EXPECT_EQ(registry().OpenKey(root, Path("Absent"), KeyAccess::Read, key), RegStatus::NotFound);
  EXPECT_EQ(registry().OpenKey(root, Path("Absent\\Deeper"), KeyAccess::Read, key),
            RegStatus::NotFound);
  // The empty path opens the key itself.
  ASSERT_EQ(registry().OpenKey(root, Path("Present"), KeyAccess::Read, key), RegStatus::Ok);
  KeyHandle same;
  ASSERT_EQ(registry().OpenKey(key, "", KeyAccess::Read, same), RegStatus::Ok);
  EXPECT_THAT(SubkeyNames("Present"), ElementsAre("Child"));
  registry().CloseKey(same);
  registry().CloseKey(key);
}

TEST_P(RegistryContract, NamesCompareWithoutCaseAndKeepTheirCase) {
  MakeKey("MixedCase");
  EXPECT_TRUE(KeyExists("MIXEDCASE"));
  EXPECT_TRUE(KeyExists("mixedcase"));
  MakeKey("mixedCASE");  // opens the existing key rather than adding a second one
  EXPECT_THAT(SubkeyNames(""), ElementsAre("MixedCase"));

  SetString("MixedCase", "ValueName", "first");
  SetString("MixedCase", "VALUENAME", "second");
  EXPECT_TRUE(ValueExists("MixedCase", "valuename"));
  KeyHandle key;
  ASSERT_EQ(
      registry().OpenKey(platform::RootHandle(root()), Path("MixedCase"), KeyAccess::Read, key),
      RegStatus::Ok);
  std::string name;
  ASSERT_EQ(registry().EnumValue(key, 0, name), RegStatus::Ok);
  EXPECT_EQ(name, "ValueName");
  EXPECT_EQ(registry().EnumValue(key, 1, name), RegStatus::NoMoreItems);
  registry().CloseKey(key);
}

TEST_P(RegistryContract, SubkeysEnumerateSortedWithoutCase) {
  for (const char* name : {"charlie", "Bravo", "alpha", "Delta"}) MakeKey(name);
  EXPECT_THAT(SubkeyNames(""), ElementsAre("alpha", "Bravo", "charlie", "Delta"));
}

TEST_P(RegistryContract, QueryInfoCountsSubkeysAndValues) {
  MakeKey("Info\\One");
  MakeKey("Info\\Two");
  SetString("Info", "", "default");
  SetString("Info", "named", "text");
  KeyHandle key;
  ASSERT_EQ(registry().OpenKey(platform::RootHandle(root()), Path("Info"), KeyAccess::Read, key),
            RegStatus::Ok);
  platform::KeyInfo info;
  ASSERT_EQ(registry().QueryInfo(key, info), RegStatus::Ok);
  EXPECT_EQ(info.subkeyCount, 2u);
  EXPECT_EQ(info.valueCount, 2u);
  registry().CloseKey(key);
}

TEST_P(RegistryContract, DefaultValueListsUnderTheEmptyName) {
  SetString("Key", "", "the default");
  KeyHandle key;
  ASSERT_EQ(registry().OpenKey(platform::RootHandle(root()), Path("Key"), KeyAccess::Read, key),
            RegStatus::Ok);
  std::string name = "not empty";
  ASSERT_EQ(registry().EnumValue(key, 0, name), RegStatus::Ok);
  EXPECT_EQ(name, "");
  RegValue value;
  ASSERT_EQ(registry().QueryValue(key, "", 64, value), RegStatus::Ok);
  EXPECT_EQ(value.type, reg_type::kString);
  EXPECT_EQ(std::string(value.data.begin(), value.data.end()), std::string("the default\0", 12));
  registry().CloseKey(key);
}

TEST_P(RegistryContract, QueryValueAnswersMoreDataPastTheCapacity) {
  std::vector<std::uint8_t> large(5000);
  for (std::size_t i = 0; i < large.size(); ++i) large[i] = std::uint8_t(i * 7);
  SetValue("Key", "large", reg_type::kBinary, large);
  KeyHandle key;
  ASSERT_EQ(registry().OpenKey(platform::RootHandle(root()), Path("Key"), KeyAccess::Read, key),
            RegStatus::Ok);
  RegValue value;
  ASSERT_EQ(registry().QueryValue(key, "large", 256, value), RegStatus::MoreData);
  EXPECT_EQ(value.type, reg_type::kBinary);
  EXPECT_EQ(value.size, 5000u);
  EXPECT_TRUE(value.data.empty());
  ASSERT_EQ(platform::ReadWholeValue(registry(), key, "large", value), RegStatus::Ok);
  EXPECT_EQ(value.data, large);
  EXPECT_EQ(registry().QueryValue(key, "absent", 256, value), RegStatus::NotFound);
  registry().CloseKey(key);
}

TEST_P(RegistryContract, KeepsEveryTypeAndItsBytes) {
  struct Case {
    std::uint32_t type;
    std::vector<std::uint8_t> data;
  };
  const Case cases[] = {
      {reg_type::kString, {'t', 'e', 'x', 't', 0}},
      {reg_type::kExpandString, {'%', 'S', 'y', 's', 't', 'e', 'm', 'R', 'o', 'o', 't', '%', 0}},
      {reg_type::kBinary, {0x0A, 0x00, 0xFF}},
      {reg_type::kDword, {0x78, 0x56, 0x34, 0x12}},
      {reg_type::kMultiString, {'a', 0, 'b', 0, 0}},
      {reg_type::kQword, {1, 2, 3, 4, 5, 6, 7, 8}},
      {reg_type::kNone, {}},
      {0x100, {9, 9}},  // a type the system has no name for
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SetValue("Types", "v" + std::to_string(i), cases[i].type, cases[i].data);
  }
  KeyHandle key;
  ASSERT_EQ(registry().OpenKey(platform::RootHandle(root()), Path("Types"), KeyAccess::Read, key),
            RegStatus::Ok);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    RegValue value;
    ASSERT_EQ(platform::ReadWholeValue(registry(), key, "v" + std::to_string(i), value),
              RegStatus::Ok);
    EXPECT_EQ(value.type, cases[i].type) << "value v" << i;
    EXPECT_EQ(value.data, cases[i].data) << "value v" << i;
  }
  registry().CloseKey(key);
}

TEST_P(RegistryContract, DeletesValuesAndLeafKeysOnly) {
  MakeKey("Parent\\Child");
  SetString("Parent", "v", "x");
  const KeyHandle root = platform::RootHandle(this->root());
  KeyHandle parent;
  ASSERT_EQ(registry().OpenKey(root, Path("Parent"), KeyAccess::ReadWrite, parent), RegStatus::Ok);
  EXPECT_EQ(registry().DeleteValue(parent, "v"), RegStatus::Ok);
  EXPECT_EQ(registry().DeleteValue(parent, "v"), RegStatus::NotFound);
  registry().CloseKey(parent);

  EXPECT_EQ(registry().DeleteKey(root, Path("Parent")), RegStatus::AccessDenied)
      << "a key with subkeys must not be deleted";
  EXPECT_TRUE(KeyExists("Parent\\Child"));
  EXPECT_EQ(registry().DeleteKey(root, Path("Parent\\Child")), RegStatus::Ok);
  EXPECT_EQ(registry().DeleteKey(root, Path("Parent\\Child")), RegStatus::NotFound);
  EXPECT_EQ(registry().DeleteKey(root, Path("Parent")), RegStatus::Ok);
  EXPECT_FALSE(KeyExists("Parent"));
}

TEST_P(RegistryContract, ReadOnlyHandlesRefuseChanges) {
  SetString("Key", "v", "x");
  KeyHandle key;
  ASSERT_EQ(registry().OpenKey(platform::RootHandle(root()), Path("Key"), KeyAccess::Read, key),
            RegStatus::Ok);
  const std::uint8_t data[] = {'y', 0};
  EXPECT_EQ(registry().SetValue(key, "v", reg_type::kString, data), RegStatus::AccessDenied);
  EXPECT_EQ(registry().DeleteValue(key, "v"), RegStatus::AccessDenied);
  registry().CloseKey(key);
  EXPECT_TRUE(ValueExists("Key", "v"));
}

HALVEX_RUN_ON_EVERY_BINDING(RegistryContract);

}  // namespace
}  // namespace halvex::testing
