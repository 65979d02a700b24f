// What the in-memory registry promises beyond the shared contract: injected faults, values in
// creation order (as the system keeps them), handles that outlive their key, no leaked handles.
#include "platform/substitute/memory_registry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/registry_delete.h"
#include "model/registry_object.h"

namespace halvex::platform::substitute {
namespace {

using ::testing::ElementsAre;

class MemoryRegistryTest : public ::testing::Test {
 protected:
  KeyHandle Create(std::string_view path) {
    KeyHandle key;
    EXPECT_EQ(registry.CreateKey(RootHandle(RootKey::LocalMachine), path, key), RegStatus::Ok);
    return key;
  }
  void SetString(std::string_view path, std::string_view name) {
    const KeyHandle key = Create(path);
    const std::uint8_t data[] = {'x', 0};
    EXPECT_EQ(registry.SetValue(key, name, reg_type::kString, data), RegStatus::Ok);
    registry.CloseKey(key);
  }

  MemoryRegistry registry;
};

TEST_F(MemoryRegistryTest, ValuesEnumerateInCreationOrder) {
  for (const char* name : {"zeta", "Alpha", "", "mid"}) SetString("K", name);
  model::RegistryObject key(registry);
  key.SetRootKey(RootKey::LocalMachine);
  ASSERT_TRUE(key.OpenKey("K", false));
  EXPECT_THAT(key.ValueNames(), ElementsAre("zeta", "Alpha", "", "mid"));
}

TEST_F(MemoryRegistryTest, ReplacingAValueKeepsItsPlaceAndNameCase) {
  SetString("K", "First");
  SetString("K", "Second");
  SetString("K", "FIRST");
  model::RegistryObject key(registry);
  key.SetRootKey(RootKey::LocalMachine);
  ASSERT_TRUE(key.OpenKey("K", false));
  EXPECT_THAT(key.ValueNames(), ElementsAre("First", "Second"));
}

TEST_F(MemoryRegistryTest, DeletingAValueKeepsTheOthersFindable) {
  for (const char* name : {"one", "two", "three", "four"}) SetString("K", name);
  model::RegistryObject key(registry);
  key.SetRootKey(RootKey::LocalMachine);
  ASSERT_TRUE(key.OpenKey("K", false));
  ASSERT_TRUE(key.DeleteValue("TWO"));
  EXPECT_FALSE(key.ValueExists("two"));
  for (const char* name : {"one", "Three", "FOUR"}) EXPECT_TRUE(key.ValueExists(name)) << name;
  ASSERT_TRUE(key.WriteString("four", "changed"));
  EXPECT_EQ(key.ReadString("four"), "changed");
  ASSERT_TRUE(key.WriteString("two", "again"));
  EXPECT_THAT(key.ValueNames(), ElementsAre("one", "three", "four", "two"));
}

TEST_F(MemoryRegistryTest, NamesCompareThroughTheCodePageUpperCasing) {
  registry.CloseKey(Create("Caf\xE9"));  // Café
  registry.CloseKey(
      Create("\x9A"
             "koda"));  // škoda
  KeyHandle key;
  EXPECT_EQ(registry.OpenKey(RootHandle(RootKey::LocalMachine), "CAF\xC9", KeyAccess::Read, key),
            RegStatus::Ok);
  registry.CloseKey(key);
  EXPECT_EQ(registry.OpenKey(RootHandle(RootKey::LocalMachine),
                             "\x8A"
                             "KODA",
                             KeyAccess::Read, key),
            RegStatus::Ok);
  registry.CloseKey(key);
}

TEST_F(MemoryRegistryTest, RefusedOpenHidesTheKeyFromEveryone) {
  registry.CloseKey(Create("Locked\\Inner"));
  registry.InjectFaults(RootKey::LocalMachine, "Locked", {.refuseOpen = true});
  KeyHandle key;
  EXPECT_EQ(registry.OpenKey(RootHandle(RootKey::LocalMachine), "Locked", KeyAccess::Read, key),
            RegStatus::AccessDenied);
  model::RegistryObject object(registry);
  object.SetRootKey(RootKey::LocalMachine);
  EXPECT_FALSE(object.OpenKey("Locked", false));
  EXPECT_FALSE(object.KeyExists("Locked"));
  EXPECT_FALSE(model::DeleteKeyByPath(registry, RootKey::LocalMachine, "\\Locked"));
}

TEST_F(MemoryRegistryTest, ReadOnlyKeyOpensForReadingOnly) {
  SetString("Frozen", "v");
  registry.InjectFaults(RootKey::LocalMachine, "Frozen", {.readOnly = true});
  model::RegistryObject object(registry);
  object.SetRootKey(RootKey::LocalMachine);
  EXPECT_TRUE(object.KeyExists("Frozen"));
  EXPECT_FALSE(object.OpenKey("Frozen", false)) << "the registry object needs read and write";
  EXPECT_FALSE(model::DeleteValueByPath(registry, "HKEY_LOCAL_MACHINE\\Frozen", "v"));
  KeyHandle key;
  EXPECT_EQ(registry.CreateKey(RootHandle(RootKey::LocalMachine), "Frozen\\New", key),
            RegStatus::AccessDenied);
}

TEST_F(MemoryRegistryTest, RefusedDeleteKeepsKeyAndValues) {
  registry.CloseKey(Create("Kept\\Child"));
  SetString("Kept", "v");
  registry.InjectFaults(RootKey::LocalMachine, "Kept", {.refuseDelete = true});
  EXPECT_FALSE(model::DeleteValueByPath(registry, "HKEY_LOCAL_MACHINE\\Kept", "v"));
  EXPECT_FALSE(model::DeleteKeyByPath(registry, RootKey::LocalMachine, "\\Kept"));
  model::RegistryObject object(registry);
  object.SetRootKey(RootKey::LocalMachine);
  EXPECT_TRUE(object.KeyExists("Kept")) << "its subkeys may go, the key itself stays";
  ASSERT_TRUE(object.OpenKey("Kept", false));
  EXPECT_TRUE(object.ValueExists("v"));
}

TEST_F(MemoryRegistryTest, HandleOfADeletedKeyAnswersKeyDeleted) {
  const KeyHandle key = Create("Gone");
  ASSERT_EQ(registry.DeleteKey(RootHandle(RootKey::LocalMachine), "Gone"), RegStatus::Ok);
  KeyInfo info;
  EXPECT_EQ(registry.QueryInfo(key, info), RegStatus::KeyDeleted);
  registry.CloseKey(key);
  EXPECT_EQ(registry.QueryInfo(KeyHandle{12345}, info), RegStatus::InvalidHandle);
  EXPECT_EQ(registry.QueryInfo(RootHandle(RootKey::None), info), RegStatus::InvalidHandle);
}

TEST_F(MemoryRegistryTest, RegistryWorkClosesEveryHandle) {
  registry.CloseKey(Create("Tree\\A\\B"));
  registry.CloseKey(Create("Tree\\C"));
  SetString("Tree\\A", "v");
  {
    model::RegistryObject object(registry);
    object.SetRootKey(RootKey::LocalMachine);
    ASSERT_TRUE(object.OpenKey("Tree", false));
    ASSERT_TRUE(object.OpenKey("A", false));
    (void)object.KeyNames();
    (void)object.KeyExists("B");
  }
  EXPECT_TRUE(model::DeleteValueByPath(registry, "HKEY_LOCAL_MACHINE\\Tree\\A", "v"));
  EXPECT_TRUE(model::DeleteKeyByPath(registry, RootKey::LocalMachine, "\\Tree"));
  EXPECT_EQ(registry.openHandleCount(), 0u);
}

TEST_F(MemoryRegistryTest, MalformedPathsOpenNothing) {
  registry.CloseKey(Create("A\\B"));
  KeyHandle key;
  for (const char* path : {"A\\\\B", "A\\", "\\A"}) {
    EXPECT_NE(registry.OpenKey(RootHandle(RootKey::LocalMachine), path, KeyAccess::Read, key),
              RegStatus::Ok)
        << path;
  }
}

}  // namespace
}  // namespace halvex::platform::substitute
