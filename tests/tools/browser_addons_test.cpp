// The browser add-ons: what the three scanners list, the toolbar buttons' display names, and the
// removal with its backup, which imports back to the registry as it was.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backup/registry_restore.h"
#include "platform/substitute/substitute_registry_editor.h"
#include "tests/platform/registry_dump.h"
#include "tests/support/forwarding_file_system.h"
#include "tests/support/scratch_machine.h"
#include "tools/browser_addons/add_on_list.h"
#include "tools/browser_addons/add_on_removal.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using tools::AddOnRemovalStatus;
namespace reg_type = platform::reg_type;

constexpr const char* kMenuExt =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\MenuExt";
constexpr const char* kToolbar =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer\\Toolbar";
constexpr const char* kUserBars =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Explorer Bars";
constexpr const char* kMachineBars =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer\\Explorer Bars";
constexpr const char* kBarClass = "{11111111-2222-3333-4444-555555555555}";

std::vector<std::uint8_t> Text(std::string_view text) {
  std::vector<std::uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

// A machine with the program folder, where the backups go.
class AddOnMachine : public ScratchMachine {
 public:
  AddOnMachine() { AddFolder("C:\\Program Files\\Halvex"); }
};

struct DisplayNameCase {
  const char* what;
  std::uint32_t type;
  std::vector<std::uint8_t> data;
  const char* shown;
};

TEST(AddOnDisplayNames, FollowTheValueType) {
  ScratchMachine machine;
  machine.SetString(std::string("HKEY_CLASSES_ROOT\\CLSID\\") + kBarClass, "", "Class Name");
  const DisplayNameCase cases[] = {
      {"DWORD 255", reg_type::kDword, {255, 0, 0, 0}, "0x000000FF(255)"},
      {"DWORD -1", reg_type::kDword, {255, 255, 255, 255}, "0xFFFFFFFF(-1)"},
      {"binary 0,10,255", reg_type::kBinary, {0, 10, 255}, "00 0A FF"},
      {"empty binary", reg_type::kBinary, {}, "00"},
      {"a string", reg_type::kString, Text("Button"), "Button"},
      {"an empty string falls back to its class", reg_type::kString, Text(""), "Class Name"},
      {"an empty expandable string too", reg_type::kExpandString, Text(""), "Class Name"},
      {"another type", reg_type::kMultiString, {'a', 0, 0}, ""},
  };
  for (const DisplayNameCase& c : cases) {
    const platform::RegValue value{
        .type = c.type, .size = static_cast<std::uint32_t>(c.data.size()), .data = c.data};
    EXPECT_EQ(tools::ToolbarDisplayName(machine.registry, kBarClass, value), c.shown) << c.what;
  }
  const platform::RegValue empty{.type = reg_type::kString, .size = 1, .data = {0}};
  EXPECT_EQ(tools::ToolbarDisplayName(machine.registry, "{no-such-class}", empty), "")
      << "a class key that does not exist leaves the name empty";
}

// Add-ons of every kind, with data a careless backup loses: quotes, backslashes, expandable
// strings, empty binary data, default values and subkeys.
void AddAddOns(ScratchMachine& machine) {
  const std::string excel = std::string(kMenuExt) + "\\E&xport to \"Excel\"";
  machine.SetString(excel, "", "C:\\Program Files\\Office\\EXCEL.EXE\\3000");
  machine.SetDword(excel, "Contexts", 1);
  machine.SetValue(excel + "\\Sub\\Deeper", "path", reg_type::kExpandString,
                   Text("%ProgramFiles%\\a \"b\".htm"));
  machine.SetValue(kToolbar, "{AAAA}", reg_type::kBinary, {});
  machine.SetValue(kToolbar, "{BBBB}", reg_type::kBinary, {0, 10, 255});
  machine.SetDword(kToolbar, "{CCCC}", 255);
  machine.SetString(kToolbar, "{DDDD}", "say \"hi\" \\ bye");
  const std::string userBar = std::string(kUserBars) + "\\" + kBarClass;
  machine.SetValue(userBar, "BarSize", reg_type::kBinary, {1, 2, 3, 4});
  machine.SetString(userBar + "\\Settings", "", "x");
  machine.SetString(std::string(kMachineBars) + "\\{EEEE}", "", "");
  machine.SetString(std::string("HKEY_CLASSES_ROOT\\CLSID\\") + kBarClass, "", "Search Bar");
}

std::string Dump(ScratchMachine& machine) {
  return DumpRegistry(machine.registry, platform::RootKey::CurrentUser, "Software") +
         DumpRegistry(machine.registry, platform::RootKey::LocalMachine, "SOFTWARE");
}

std::vector<std::string> Ids(const model::TRegistryContents& addOns) {
  std::vector<std::string> ids;
  for (const auto& addOn : addOns) ids.push_back(tools::AddOnId(addOn) + " = " + addOn.DisplayName);
  return ids;
}

TEST(BrowserAddOns, ListsTheThreeKindsInOrder) {
  AddOnMachine machine;
  AddAddOns(machine);
  EXPECT_THAT(Ids(tools::FillAddOnList(machine.registry, {})),
              ElementsAre("menuext:HKCU:E&xport to \"Excel\" = E&xport to \"Excel\"",
                          "toolbar:HKLM:{AAAA} = 00", "toolbar:HKLM:{BBBB} = 00 0A FF",
                          "toolbar:HKLM:{CCCC} = 0x000000FF(255)",
                          "toolbar:HKLM:{DDDD} = say \"hi\" \\ bye",
                          std::string("explorerbar:HKCU:") + kBarClass + " = Search Bar",
                          "explorerbar:HKLM:{EEEE} = "));
  EXPECT_TRUE(tools::FillAddOnList(machine.registry, {false, false, false}).empty());
  EXPECT_THAT(Ids(tools::FillAddOnList(machine.registry, {false, false, true})),
              ElementsAre(std::string("explorerbar:HKCU:") + kBarClass + " = Search Bar",
                          "explorerbar:HKLM:{EEEE} = "));
}

TEST(BrowserAddOns, RemovingEveryAddOnBacksUpWhatTheImportRestores) {
  AddOnMachine machine;
  AddAddOns(machine);
  const std::string before = Dump(machine);
  const model::TRegistryContents addOns = tools::FillAddOnList(machine.registry, {});

  const tools::AddOnRemovalResult removal =
      tools::RemoveAddOns(machine.platform(), platform::PlatformClass::NtFamily, addOns);
  ASSERT_EQ(removal.status, AddOnRemovalStatus::Removed);
  EXPECT_EQ(removal.removed.size(), addOns.size());
  EXPECT_TRUE(tools::FillAddOnList(machine.registry, {}).empty()) << "every add-on is gone";
  EXPECT_THAT(removal.backupPath, ::testing::EndsWith("IEBackUp\\Backup_20260115_120000_IE.reg"));

  platform::substitute::SubstituteRegistryEditor editor(machine.registry, machine.files(),
                                                        machine.registry.codePage());
  const backup::RestoreResult restore =
      backup::RestoreRegistryFile(machine.platform(), editor, removal.backupPath, {});
  ASSERT_TRUE(restore.ok()) << editor.lastError() << restore.missing;
  EXPECT_EQ(Dump(machine), before);
}

TEST(BrowserAddOns, TheBackupHasOneHeaderAndOneSectionPerKey) {
  AddOnMachine machine;
  machine.SetString(std::string(kUserBars) + "\\{A}", "", "a");
  machine.SetString(std::string(kUserBars) + "\\{B}", "", "b");
  const tools::AddOnRemovalResult removal =
      tools::RemoveAddOns(machine.platform(), platform::PlatformClass::Windows95Family,
                          tools::FillAddOnList(machine.registry, {}));
  ASSERT_EQ(removal.status, AddOnRemovalStatus::Removed);
  EXPECT_EQ(machine.Read(removal.backupPath),
            "REGEDIT4\r\n"
            "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{A}]\r\n"
            "@=\"a\"\r\n"
            "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{B}]\r\n"
            "@=\"b\"\r\n");
}

// A file system whose writes into the backup folder are refused, as on a full disk.
class RefusingWrites final : public ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;
  bool WriteFile(std::string_view path, std::string_view bytes) override {
    if (path.find("IEBackUp") != std::string_view::npos) return false;
    return ForwardingFileSystem::WriteFile(path, bytes);
  }
};

TEST(BrowserAddOns, ARefusedBackupWriteDeletesNothing) {
  AddOnMachine machine;
  AddAddOns(machine);
  const std::string before = Dump(machine);
  RefusingWrites files(machine.files());
  platform::Platform platform{machine.registry, files, machine.locale, machine.clock,
                              machine.links};
  const tools::AddOnRemovalResult removal = tools::RemoveAddOns(
      platform, platform::PlatformClass::NtFamily, tools::FillAddOnList(machine.registry, {}));
  EXPECT_EQ(removal.status, AddOnRemovalStatus::BackupNotWritten);
  EXPECT_TRUE(removal.removed.empty());
  EXPECT_EQ(Dump(machine), before);
}

TEST(BrowserAddOns, WithoutAHeaderThereIsNoBackupAndNoRemoval) {
  AddOnMachine machine;
  AddAddOns(machine);
  const std::string before = Dump(machine);
  const tools::AddOnRemovalResult removal =
      tools::RemoveAddOns(machine.platform(), platform::PlatformClass::Undetermined,
                          tools::FillAddOnList(machine.registry, {}));
  EXPECT_EQ(removal.status, AddOnRemovalStatus::BackupNotWritten);
  EXPECT_EQ(Dump(machine), before);
}

TEST(BrowserAddOns, TwoRemovalsInOneSecondKeepTwoFiles) {
  AddOnMachine machine;
  machine.SetString(std::string(kUserBars) + "\\{A}", "", "a");
  machine.SetString(std::string(kUserBars) + "\\{B}", "", "b");
  const model::TRegistryContents addOns = tools::FillAddOnList(machine.registry, {});
  const auto first = tools::RemoveAddOns(
      machine.platform(), platform::PlatformClass::Windows95Family, std::span(addOns).first(1));
  const auto second = tools::RemoveAddOns(
      machine.platform(), platform::PlatformClass::Windows95Family, std::span(addOns).subspan(1));
  ASSERT_EQ(first.status, AddOnRemovalStatus::Removed);
  ASSERT_EQ(second.status, AddOnRemovalStatus::Removed);
  EXPECT_THAT(first.backupPath, ::testing::EndsWith("Backup_20260115_120000_IE.reg"));
  EXPECT_THAT(second.backupPath, ::testing::EndsWith("Backup_20260115_120000_IE_2.reg"));
  EXPECT_THAT(machine.Read(first.backupPath), ::testing::HasSubstr("{A}"));
  EXPECT_THAT(machine.Read(second.backupPath), ::testing::HasSubstr("{B}"));
}

TEST(BrowserAddOns, NothingCheckedWritesNoFile) {
  AddOnMachine machine;
  const auto removal =
      tools::RemoveAddOns(machine.platform(), platform::PlatformClass::NtFamily, {});
  EXPECT_EQ(removal.status, AddOnRemovalStatus::NothingChecked);
  EXPECT_FALSE(machine.files().FolderExists(tools::AddOnBackupFolder(machine.files())));
}

}  // namespace
}  // namespace halvex::testing
