// The "General Settings" page: what it shows from the registry and the executable, and what OK
// writes.
#include "app/options/general_settings_page.h"

#include <gtest/gtest.h>

#include "model/registry_object.h"
#include "platform/substitute/civil_time.h"
#include "tests/support/scratch_machine.h"

namespace halvex::app {
namespace {

constexpr const char* kSettingsKey = "HKEY_CURRENT_USER\\Software\\Halvex";
constexpr const char* kRunKeyPath =
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kProgram = "C:\\Program Files\\Halvex\\Halvex.exe";
constexpr const char* kVersion30Line = "Version: 3.0, Last Time: 02/03/2026 04:05:06";

GeneralSettingsPage Page(bool run, bool autoBackup, bool checkItem, bool checkUpdate,
                         std::string versionLine = {}) {
  GeneralSettingsPage page;
  page.ChkRun = run;
  page.ChkAutoBackup = autoBackup;
  page.ChkCheckItem = checkItem;
  page.cbCheckUpdate = checkUpdate;
  page.LabelVer = std::move(versionLine);
  return page;
}

class GeneralSettingsPageTest : public ::testing::Test {
 protected:
  GeneralSettingsPageTest() {
    machine.AddFile(kProgram, "MZ");
    const auto written = platform::substitute::FieldsToFileTime({2026, 2, 3, 4, 5, 6, 0});
    EXPECT_TRUE(machine.files().SetTimes(kProgram, std::nullopt, written));
  }

  std::string Setting(const char* name) {
    model::RegistryObject key(machine.registry);
    key.SetRootKey(platform::RootKey::CurrentUser);
    if (!key.OpenKey(model::kSettingsKey, false)) return "<no key>";
    return key.ValueExists(name) ? key.ReadString(name) : "<no value>";
  }

  testing::ScratchMachine machine;
};

TEST_F(GeneralSettingsPageTest, ShowsTheStoredSettingsAndTheVersionLine) {
  machine.SetString(kRunKeyPath, "Halvex.exe", "\"C:\\Program Files\\Halvex\\Halvex.exe\"");
  machine.SetString(kSettingsKey, "NotAutoBackup", "1");
  machine.SetString(kSettingsKey, "SelectAll", "0");
  machine.SetString(kSettingsKey, "CheckUpdate", " 1");
  machine.SetString(kSettingsKey, "Version", " 3.1 ");
  const GeneralSettingsPage page = LoadGeneralSettings(machine.platform(), kProgram);
  EXPECT_EQ(page,
            (GeneralSettingsPage{.ChkRun = true,
                                 .ChkAutoBackup = true,
                                 .ChkCheckItem = false,
                                 .cbCheckUpdate = false,
                                 .LabelVer = "Version: 3.1, Last Time: 02/03/2026 04:05:06"}));
}

TEST_F(GeneralSettingsPageTest, WithoutStoredSettingsEverythingIsUntickedAndTheVersionIs30) {
  const GeneralSettingsPage page = LoadGeneralSettings(machine.platform(), kProgram);
  EXPECT_EQ(page,
            (GeneralSettingsPage{.LabelVer = "Version: 3.0, Last Time: 02/03/2026 04:05:06"}));
  EXPECT_EQ(Setting("Version"), "<no key>") << "loading creates nothing";
}

TEST_F(GeneralSettingsPageTest, AnExecutableThatCannotBeFoundHasAnUnknowableVersion) {
  const GeneralSettingsPage page =
      LoadGeneralSettings(machine.platform(), "C:\\Program Files\\Halvex\\Gone.exe");
  EXPECT_EQ(page.LabelVer, "Unknowable Version");
}

TEST_F(GeneralSettingsPageTest, OkWritesTheBoxesAndTheRecordFollows) {
  model::TMyRegistryInfo settings;
  settings.HomePage = "h";
  settings.SelectAll = settings.CheckUpdate = true;
  SaveGeneralSettings(machine.platform(), kProgram, Page(true, true, false, false), settings);
  EXPECT_EQ(Setting("NotAutoBackup"), "1");
  EXPECT_EQ(Setting("SelectAll"), "0");
  EXPECT_EQ(Setting("CheckUpdate"), "0");
  model::TMyRegistryInfo expected;
  expected.HomePage = "h";
  expected.NotAutoBackup = true;
  EXPECT_EQ(settings, expected) << "the flags change at once, the rest stays";
  EXPECT_TRUE(LoadGeneralSettings(machine.platform(), kProgram).ChkRun);

  SaveGeneralSettings(machine.platform(), kProgram, Page(false, false, true, true), settings);
  EXPECT_EQ(LoadGeneralSettings(machine.platform(), kProgram),
            Page(false, false, true, true, kVersion30Line));
  EXPECT_FALSE(machine.ValueExists(kRunKeyPath, "Halvex.exe"));
}

// The record and the registry must agree: a flag whose value was not stored keeps its old state.
TEST_F(GeneralSettingsPageTest, OkChangesNoFlagWhoseValueCouldNotBeStored) {
  const struct {
    const char* name;
    platform::substitute::KeyFaults faults;
  } cases[] = {
      {"the key does not open", {.refuseOpen = true}},
      {"the key refuses writes", {.readOnly = true}},
  };
  for (const auto& c : cases) {
    testing::ScratchMachine faulty;
    faulty.registry.InjectFaults(platform::RootKey::CurrentUser, "Software\\Halvex", c.faults);
    model::TMyRegistryInfo settings;
    settings.SelectAll = true;
    SaveGeneralSettings(faulty.platform(), kProgram, Page(false, true, false, true), settings);
    model::TMyRegistryInfo expected;
    expected.SelectAll = true;
    EXPECT_EQ(settings, expected) << c.name;
  }
}

TEST_F(GeneralSettingsPageTest, OkWithTheBoxUntickedDeletesTheEntryOfAMovedCopy) {
  machine.SetString(kRunKeyPath, "Halvex.exe", "D:\\Old\\Halvex.exe");
  model::TMyRegistryInfo settings;
  GeneralSettingsPage page = LoadGeneralSettings(machine.platform(), kProgram);
  EXPECT_FALSE(page.ChkRun) << "an entry for another path does not start this copy";
  SaveGeneralSettings(machine.platform(), kProgram, page, settings);
  EXPECT_FALSE(machine.ValueExists(kRunKeyPath, "Halvex.exe"))
      << "the value under the program's name is the program's entry";
}

}  // namespace
}  // namespace halvex::app
