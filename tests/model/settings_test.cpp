#include "model/settings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "model/registry_object.h"
#include "model/vendor_config.h"
#include "platform/substitute/memory_registry.h"

namespace halvex::model {
namespace {

using platform::RootKey;

class SettingsTest : public ::testing::Test {
 protected:
  void Store(std::string_view name, std::string_view text) {
    RegistryObject key(registry);
    key.SetRootKey(RootKey::CurrentUser);
    ASSERT_TRUE(key.OpenKey(kSettingsKey, true));
    ASSERT_TRUE(key.WriteString(name, text));
  }
  // Every text value of the settings key as name=text.
  std::map<std::string, std::string> Stored() {
    RegistryObject key(registry);
    key.SetRootKey(RootKey::CurrentUser);
    std::map<std::string, std::string> values;
    if (!key.OpenKey(kSettingsKey, false)) return values;
    for (const std::string& name : key.ValueNames()) {
      if (key.GetDataType(name) == DataType::String) values[name] = key.ReadString(name);
    }
    return values;
  }

  platform::substitute::MemoryRegistry registry;
};

TEST_F(SettingsTest, FirstStartWritesDefaultsButRunsWithWhatWasStored) {
  const TMyRegistryInfo info = LoadSettings(registry);
  const std::map<std::string, std::string> expected = {{"NotAutoBackup", "0"},
                                                       {"OneTime", "0"},
                                                       {"SelectAll", "1"},
                                                       {"CheckUpdate", "1"},
                                                       {"Version", "3.0"}};
  EXPECT_EQ(Stored(), expected);
  EXPECT_EQ(info, (TMyRegistryInfo{std::string(kVendorHomePage), std::string(kVendorHelpPage),
                                   /*NotAutoBackup=*/false, /*OneTime=*/true,
                                   /*SelectAll=*/false, /*CheckUpdate=*/false}));
}

TEST_F(SettingsTest, SecondStartRunsWithTheStoredDefaults) {
  (void)LoadSettings(registry);
  const TMyRegistryInfo info = LoadSettings(registry);
  EXPECT_FALSE(info.NotAutoBackup);
  EXPECT_TRUE(info.OneTime);
  EXPECT_TRUE(info.SelectAll);
  EXPECT_TRUE(info.CheckUpdate);
}

TEST_F(SettingsTest, FlagsCompareExactlyWithOneAndZero) {
  struct Case {
    const char* stored;
    bool onFlag;   // NotAutoBackup, SelectAll, CheckUpdate: on only for "1"
    bool oneTime;  // OneTime: on for "0" (and missing)
  };
  const Case cases[] = {
      {"1", true, false},   {"0", false, true},    {" 1", false, false},
      {"1 ", false, false}, {"yes", false, false}, {"00", false, false},
  };
  for (const Case& c : cases) {
    for (const char* name : {"NotAutoBackup", "OneTime", "SelectAll", "CheckUpdate"}) {
      Store(name, c.stored);
    }
    const TMyRegistryInfo info = LoadSettings(registry);
    EXPECT_EQ(info.NotAutoBackup, c.onFlag) << "'" << c.stored << "'";
    EXPECT_EQ(info.SelectAll, c.onFlag) << "'" << c.stored << "'";
    EXPECT_EQ(info.CheckUpdate, c.onFlag) << "'" << c.stored << "'";
    EXPECT_EQ(info.OneTime, c.oneTime) << "'" << c.stored << "'";
    EXPECT_EQ(Stored()["SelectAll"], c.stored) << "a stored text is never overwritten";
  }
}

TEST_F(SettingsTest, StoredAddressesWinAndVersionIsAlwaysRewritten) {
  Store("HomePage", "http://home.test/");
  Store("HelpURL", "http://home.test/manual");
  Store("Version", "2.5");
  const TMyRegistryInfo info = LoadSettings(registry);
  EXPECT_EQ(info.HomePage, "http://home.test/");
  EXPECT_EQ(info.HelpURL, "http://home.test/manual");
  EXPECT_EQ(Stored()["Version"], "3.0");
}

TEST_F(SettingsTest, BuiltInAddressesNameTheVendorSite) {
  EXPECT_EQ(kVendorHomePage, HALVEX_VENDOR_SITE "/");
  EXPECT_EQ(kVendorHelpPage, HALVEX_VENDOR_SITE "/help");
}

TEST_F(SettingsTest, AValueOfAnotherTypeCountsAsEmptyAndGetsItsDefault) {
  platform::KeyHandle key;
  ASSERT_EQ(registry.CreateKey(platform::RootHandle(RootKey::CurrentUser), "Software\\Halvex", key),
            platform::RegStatus::Ok);
  const std::uint8_t one[] = {1, 0, 0, 0};
  ASSERT_EQ(registry.SetValue(key, "SelectAll", platform::reg_type::kDword, one),
            platform::RegStatus::Ok);
  ASSERT_EQ(registry.SetValue(key, "HomePage", platform::reg_type::kDword, one),
            platform::RegStatus::Ok);
  registry.CloseKey(key);

  const TMyRegistryInfo info = LoadSettings(registry);
  EXPECT_FALSE(info.SelectAll);
  EXPECT_EQ(info.HomePage, kVendorHomePage);
  EXPECT_EQ(Stored()["SelectAll"], "1");
}

TEST_F(SettingsTest, AKeyThatDoesNotOpenLeavesTheRecordEmpty) {
  registry.InjectFaults(RootKey::CurrentUser, "Software\\Halvex", {.refuseOpen = true});
  EXPECT_EQ(LoadSettings(registry), TMyRegistryInfo{});
}

}  // namespace
}  // namespace halvex::model
