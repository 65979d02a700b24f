// The registry object, the key walker and the two delete operations, on every binding.
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "model/key_walker.h"
#include "model/registry_delete.h"
#include "model/registry_object.h"
#include "tests/platform/registry_contract.h"

namespace halvex::testing {
namespace {

using model::DataType;
using model::RegistryError;
using model::RegistryObject;
using model::WalkStep;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
namespace reg_type = platform::reg_type;

class RegistryObjectContract : public RegistryContract {
 protected:
  // A registry object with the scratch key's root set and the scratch key open.
  std::unique_ptr<RegistryObject> OpenScratch() {
    auto key = std::make_unique<RegistryObject>(registry());
    key->SetRootKey(root());
    EXPECT_TRUE(key->OpenKey("\\" + Path(), false));
    return key;
  }
};

TEST_P(RegistryObjectContract, RelativePathsStartAtTheOpenKeyAndAbsoluteOnesAtTheRoot) {
  MakeKey("A\\Sub");
  MakeKey("Sub");
  auto key = OpenScratch();
  ASSERT_TRUE(key->OpenKey("A", false));
  EXPECT_EQ(key->currentPath(), Path("A"));
  ASSERT_TRUE(key->OpenKey("Sub", false));
  EXPECT_EQ(key->currentPath(), Path("A\\Sub"));
  ASSERT_TRUE(key->OpenKey("\\" + Path("Sub"), false));
  EXPECT_EQ(key->currentPath(), Path("Sub"));
}

TEST_P(RegistryObjectContract, AFailedOpenKeepsTheOpenKey) {
  MakeKey("A");
  auto key = OpenScratch();
  ASSERT_TRUE(key->OpenKey("A", false));
  EXPECT_FALSE(key->OpenKey("Missing", false));
  EXPECT_EQ(key->currentPath(), Path("A"));
  EXPECT_TRUE(key->hasOpenKey());
  EXPECT_FALSE(KeyExists("A\\Missing")) << "an open without create must not create";
}

TEST_P(RegistryObjectContract, OpenWithCreateMakesTheMissingKey) {
  auto key = OpenScratch();
  ASSERT_TRUE(key->OpenKey("New\\Deeper", true));
  EXPECT_EQ(key->currentPath(), Path("New\\Deeper"));
  EXPECT_TRUE(KeyExists("New\\Deeper"));
}

TEST_P(RegistryObjectContract, TheEmptyPathIsTheRootAndClosingReturnsToIt) {
  RegistryObject key(registry());
  key.SetRootKey(root());
  ASSERT_TRUE(key.OpenKey("", false));
  EXPECT_EQ(key.currentPath(), "");
  EXPECT_TRUE(key.KeyExists(Path()));  // relative to the root, which is open
  key.CloseKey();
  EXPECT_FALSE(key.hasOpenKey());
  ASSERT_TRUE(key.OpenKey(Path(), false));  // relative again taken from the root
  EXPECT_EQ(key.currentPath(), Path());
}

TEST_P(RegistryObjectContract, KeyExistsChangesNothing) {
  MakeKey("A");
  auto key = OpenScratch();
  EXPECT_TRUE(key->KeyExists("A"));
  EXPECT_FALSE(key->KeyExists("B"));
  EXPECT_TRUE(key->KeyExists("\\" + Path("A")));
  EXPECT_EQ(key->currentPath(), Path());
  EXPECT_FALSE(KeyExists("B"));
}

TEST_P(RegistryObjectContract, ListsKeyAndValueNames) {
  MakeKey("Two");
  MakeKey("one");
  SetString("", "", "default");
  SetString("", "alpha", "x");
  auto key = OpenScratch();
  EXPECT_THAT(key->KeyNames(), ElementsAre("one", "Two"));
  auto values = key->ValueNames();
  std::sort(values.begin(), values.end());
  EXPECT_THAT(values, ElementsAre("", "alpha"));
}

TEST_P(RegistryObjectContract, DataTypesAndSizes) {
  SetString("", "sz", "text");
  SetValue("", "expand", reg_type::kExpandString, {'%', 'W', '%', 0});
  SetDword("", "dword", 7);
  SetValue("", "binary", reg_type::kBinary, {1, 2, 3});
  SetValue("", "multi", reg_type::kMultiString, {'a', 0, 0});
  SetValue("", "bigendian", reg_type::kDwordBigEndian, {0, 0, 0, 1});
  auto key = OpenScratch();
  struct Case {
    const char* name;
    DataType type;
    std::int64_t size;
  };
  const Case cases[] = {
      {"sz", DataType::String, 5},       {"expand", DataType::ExpandString, 4},
      {"dword", DataType::Integer, 4},   {"binary", DataType::Binary, 3},
      {"multi", DataType::Unknown, 3},   {"bigendian", DataType::Unknown, 4},
      {"absent", DataType::Unknown, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(key->GetDataType(c.name), c.type) << c.name;
    EXPECT_EQ(key->GetDataSize(c.name), c.size) << c.name;
    EXPECT_EQ(key->ValueExists(c.name), c.size >= 0) << c.name;
  }
}

TEST_P(RegistryObjectContract, ReadStringCutsAtNulAndRefusesOtherTypes) {
  SetValue("", "embedded", reg_type::kString, {'a', 'b', 0, 'c', 0});
  SetValue("", "expand", reg_type::kExpandString, {'%', 'W', '%', 0});
  SetValue("", "empty", reg_type::kBinary, {});
  SetDword("", "number", 42);
  auto key = OpenScratch();
  EXPECT_EQ(key->ReadString("embedded"), "ab");
  EXPECT_EQ(key->ReadString("expand"), "%W%") << "variables stay unexpanded";
  EXPECT_EQ(key->ReadString("absent"), "");
  EXPECT_EQ(key->ReadString("empty"), "") << "empty data of any type reads as empty text";
  try {
    (void)key->ReadString("number");
    ADD_FAILURE() << "reading an integer as text must fail";
  } catch (const RegistryError& error) {
    EXPECT_STREQ(error.what(), "Invalid data type for 'number'");
  }
}

TEST_P(RegistryObjectContract, ReadIntegerTakesOnlyIntegers) {
  SetDword("", "number", 0xFFFFFFFE);
  SetString("", "text", "12");
  auto key = OpenScratch();
  EXPECT_EQ(key->ReadInteger("number"), -2);
  EXPECT_THROW((void)key->ReadInteger("text"), RegistryError);
  EXPECT_THROW((void)key->ReadInteger("absent"), RegistryError);
}

TEST_P(RegistryObjectContract, ReadBinaryCopiesWhatFits) {
  SetValue("", "bytes", reg_type::kBinary, {0x0A, 0, 0, 0});
  auto key = OpenScratch();
  EXPECT_EQ(key->ReadBinary("bytes", 4), (std::vector<std::uint8_t>{0x0A, 0, 0, 0}));
  EXPECT_EQ(key->ReadBinary("bytes", 1), std::nullopt);
  EXPECT_EQ(key->ReadBinary("absent", 4), std::nullopt);
}

TEST_P(RegistryObjectContract, WriteStringCreatesAndReplaces) {
  auto key = OpenScratch();
  ASSERT_TRUE(key->WriteString("name", "first"));
  ASSERT_TRUE(key->WriteString("NAME", "second"));
  EXPECT_EQ(key->ReadString("name"), "second");
  EXPECT_EQ(key->GetDataType("name"), DataType::String);
}

TEST_P(RegistryObjectContract, DeleteKeyRemovesTheWholeTreeButNeverTheRoot) {
  MakeKey("Tree\\A\\A1");
  MakeKey("Tree\\A\\A2");
  MakeKey("Tree\\B");
  SetString("Tree\\A\\A1", "v", "x");
  auto key = OpenScratch();
  EXPECT_TRUE(key->DeleteKey("Tree"));
  EXPECT_FALSE(KeyExists("Tree"));
  EXPECT_FALSE(key->DeleteKey("Tree")) << "deleting what is gone reports failure";
  EXPECT_FALSE(key->DeleteKey("\\"));
  EXPECT_FALSE(key->DeleteKey(""));
  EXPECT_TRUE(KeyExists(""));
}

TEST_P(RegistryObjectContract, DeleteValueByPathTellsDefaultFromDefault) {
  SetString("X", "", "unnamed");
  SetString("X", "Default", "named");
  ASSERT_TRUE(model::DeleteValueByPath(registry(), FullPath("X"), "default"));
  EXPECT_FALSE(ValueExists("X", ""));
  EXPECT_TRUE(ValueExists("X", "Default"));
  ASSERT_TRUE(model::DeleteValueByPath(registry(), FullPath("X"), "Default"));
  EXPECT_FALSE(ValueExists("X", "Default"));
  EXPECT_FALSE(model::DeleteValueByPath(registry(), FullPath("X"), "Default"));
}

TEST_P(RegistryObjectContract, DeleteValueByPathNeverCreatesAKey) {
  EXPECT_FALSE(model::DeleteValueByPath(registry(), FullPath("Vanished"), "v"));
  EXPECT_FALSE(KeyExists("Vanished"));
}

TEST_P(RegistryObjectContract, DeleteValueByPathKeepsRootNamesInsideThePath) {
  // Removing every occurrence of the root name would turn this into ...\Software\Old.
  SetString("Software\\OldHKEY_CURRENT_USER", "v", "inside");
  SetString("Software\\Old", "v", "neighbour");
  ASSERT_TRUE(
      model::DeleteValueByPath(registry(), FullPath("Software\\OldHKEY_CURRENT_USER"), "v"));
  EXPECT_FALSE(ValueExists("Software\\OldHKEY_CURRENT_USER", "v"));
  EXPECT_TRUE(ValueExists("Software\\Old", "v"));
}

TEST_P(RegistryObjectContract, DeleteKeyByPathRemovesTheKeyWithEverythingBelow) {
  MakeKey(".abc\\shell\\open\\command");
  SetString(".abc", "", "abcfile");
  MakeKey(".abcd");
  EXPECT_TRUE(model::DeleteKeyByPath(registry(), root(), "\\" + Path(".abc")));
  EXPECT_FALSE(KeyExists(".abc"));
  EXPECT_TRUE(KeyExists(".abcd"));
  EXPECT_TRUE(model::DeleteKeyByFullPath(registry(), FullPath(".abcd")));
  EXPECT_FALSE(model::DeleteKeyByPath(registry(), root(), "\\" + Path("absent")));
}

TEST_P(RegistryObjectContract, DeleteKeyByPathRefusesTheRoot) {
  for (const char* path : {"", "\\", "\\\\"}) {
    EXPECT_FALSE(model::DeleteKeyByPath(registry(), root(), path)) << "path '" << path << "'";
  }
  EXPECT_TRUE(KeyExists(""));
}

TEST_P(RegistryObjectContract, WalkerHandsOverChildPathsInOrder) {
  for (const char* name : {"b", "A", "c"}) MakeKey(name);
  MakeKey("A\\deep");
  std::vector<std::string> seen;
  model::WalkSubkeys(registry(), root(), Path(), [&](const std::string& child) {
    seen.push_back(child);
    return WalkStep::Continue;
  });
  EXPECT_THAT(seen, ElementsAre(Path("A"), Path("b"), Path("c")));

  seen.clear();
  const WalkStep step = model::WalkSubkeys(registry(), root(), Path(), [&](const std::string& child) {
    seen.push_back(child);
    return seen.size() == 2 ? WalkStep::Stop : WalkStep::Continue;
  });
  EXPECT_EQ(step, WalkStep::Stop);
  EXPECT_EQ(seen.size(), 2u);

  seen.clear();
  model::WalkSubkeys(registry(), root(), Path("absent"), [&](const std::string& child) {
    seen.push_back(child);
    return WalkStep::Continue;
  });
  EXPECT_THAT(seen, IsEmpty());
}

HALVEX_RUN_ON_EVERY_BINDING(RegistryObjectContract);

}  // namespace
}  // namespace halvex::testing
