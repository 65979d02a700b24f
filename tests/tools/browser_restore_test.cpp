// The Internet Explorer restore items: what each does to a hijacked registry, that running them
// again changes nothing more, which Run entries the start page item removes, and that an action
// that fails makes its item fail.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/platform/registry_dump.h"
#include "tests/support/scratch_machine.h"
#include "tools/browser_restore/restore_items.h"

namespace halvex::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
namespace reg_type = platform::reg_type;

constexpr const char* kMachineRun =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kMachineMain =
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer\\Main";

// A machine a hijacker and restrictive policies have been at.
void Hijack(ScratchMachine& machine) {
  machine.SetString(kMachineMain, "start page", "http://hijack.example/");
  machine.SetString(kMachineMain, "Default_Page_URL", "http://hijack.example/d");
  machine.SetString("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main", "start page",
                    "http://hijack.example/");
  machine.SetString(kMachineRun, "Updater", "C:\\x\\u.exe http://hijack.example/");
  machine.SetString(kMachineRun, "Sound", "C:\\Windows\\sound.exe");
  machine.SetString(kMachineRun, "registry.exe", "C:\\registry.exe");
  machine.SetString(kMachineRun, "Again", "ReGeDiT /S C:\\x\\hijack.reg");
  machine.SetDword(
      "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
      "DisableRegistryTools", 1);
  machine.SetDword(
      "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
      "NoDispCPL", 1);
  machine.SetDword(
      "HKEY_CURRENT_USER\\Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions",
      "NoBrowserContextMenu", 1);
  machine.SetDword(
      "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
      "NoDesktop", 1);
  machine.SetString("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\MenuExt", "junk",
                    "x");
  machine.SetString("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\MenuExt\\Kept", "",
                    "k");
  machine.SetString("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedUrls", "url1",
                    "http://a/");
  machine.SetString(
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer\\Extensions\\{X}\\Sub", "", "x");
  machine.SetString("HKEY_USERS\\.DEFAULT\\Control Panel\\Desktop", "Wallpaper", "");
}

std::string Dump(ScratchMachine& machine) {
  return DumpRegistry(machine.registry, platform::RootKey::CurrentUser, "Software") +
         DumpRegistry(machine.registry, platform::RootKey::LocalMachine, "SOFTWARE") +
         DumpRegistry(machine.registry, platform::RootKey::Users, ".DEFAULT");
}

bool RunItem(ScratchMachine& machine, std::size_t number) {
  tools::RestoreTarget target{machine.registry, machine.files(), machine.locale};
  return tools::RunRestoreItem(target, tools::RestoreItems()[number - 1]);
}

struct ItemCase {
  std::size_t number;
  std::vector<std::string> present;  // dump lines the item leaves
  std::vector<std::string> absent;   // dump lines the item takes away
};

const std::string kDword0 = "= 4 '\\0\\0\\0\\0'";
const std::string kBinary0 = "= 3 '\\0\\0\\0\\0'";

class RestoreItemEffect : public ::testing::TestWithParam<ItemCase> {};

TEST_P(RestoreItemEffect, ChangesWhatItNamesAndNothingElse) {
  const ItemCase& c = GetParam();
  ScratchMachine machine;
  Hijack(machine);
  const std::string before = Dump(machine);
  ASSERT_TRUE(RunItem(machine, c.number)) << "item " << c.number;
  const std::string after = Dump(machine);
  for (const std::string& line : c.present) EXPECT_THAT(after, HasSubstr(line + "\n"));
  for (const std::string& line : c.absent) {
    EXPECT_THAT(before, HasSubstr(line)) << "the fixture holds it";
    EXPECT_THAT(after, Not(HasSubstr(line)));
  }
  // Every other line of the hijacked registry stays.
  std::size_t kept = 0;
  for (std::size_t start = 0, end; (end = before.find('\n', start)) != std::string::npos;
       start = end + 1) {
    const std::string line = before.substr(start, end - start);
    bool named = false;
    for (const std::string& absent : c.absent)
      named = named || line.find(absent) != std::string::npos;
    for (const std::string& present : c.present) {
      named = named || line.substr(0, line.find(" = ")) == present.substr(0, present.find(" = "));
    }
    if (!named) {
      EXPECT_THAT(after, HasSubstr(line + "\n")) << "item " << c.number << " changed " << line;
      ++kept;
    }
  }
  EXPECT_GT(kept, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Items, RestoreItemEffect,
    ::testing::Values(
        ItemCase{1,
                 {"Microsoft\\Internet Explorer\\Main: 'start page' = 1 'about:blank\\0'",
                  "Microsoft\\Internet Explorer\\Main: 'Window Title' = 1 'Microsoft Internet "
                  "Explorer\\0'",
                  "Microsoft\\Internet Explorer\\Main: 'Default_Page_URL' = 1 '\\0'",
                  "Microsoft\\Internet Explorer\\Main: 'Search Page' = 1 '\\0'",
                  "Microsoft\\Windows\\CurrentVersion\\Run: 'Sound' = 1 "
                  "'C:\\x5CWindows\\x5Csound.exe\\0'"},
                 {"'Updater'", "'registry.exe'", "'Again'", "'start page' = 1 'http",
                  "hijack.example/d"}},
        ItemCase{2,
                 {"Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer: 'NoFolderOptions' " +
                      kBinary0,
                  "Software\\Policies\\Microsoft\\Internet Explorer\\Control Pan: 'homepage' " +
                      kDword0},
                 {}},
        ItemCase{3,
                 {"Microsoft\\Windows\\CurrentVersion\\Policies\\System: 'DisableRegistryTools' " +
                  kDword0},
                 {"'DisableRegistryTools' = 4 '\\x01"}},
        ItemCase{4,
                 {"Microsoft\\Internet Explorer\\Search: 'CustomizeSearch' = 1 "
                  "'http://ie.search.msn.com/{SUB_RFC1766}/srchasst/srchasst.htm\\0'",
                  "Microsoft\\Internet Explorer\\Search: 'SearchAssistant' = 1 "
                  "'http://ie.search.msn.com/{SUB_RFC1766}/srchasst/srchasst.htm\\0'"},
                 {}},
        ItemCase{5,
                 {"Policies\\Microsoft\\Internet Explorer\\Restrictions: 'NoViewSource' " + kDword0,
                  "Policies\\Microsoft\\Internet Explorer\\Restrictions: 'NoLinksBar' " + kDword0,
                  "Policies\\Microsoft\\Internet Explorer\\Restrictions: 'NoBrowserContextMenu' " +
                      kDword0},
                 {"'NoBrowserContextMenu' = 4 '\\x01"}},
        ItemCase{6,
                 {"Policies\\Microsoft\\Internet Explorer\\Restrictions: 'NoBrowserContextMenu' " +
                  kDword0},
                 {"'NoBrowserContextMenu' = 4 '\\x01"}},
        ItemCase{7,
                 {"Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer: 'NoDesktop' " + kDword0},
                 {"'NoDesktop' = 4 '\\x01"}},
        ItemCase{
            8,
            {"Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer: 'NoFolderOptions' " +
                 kBinary0,
             "Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer: 'RestrictRun' " + kDword0},
            {}},
        ItemCase{
            9,
            {"Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer: 'NoRun' " + kDword0,
             "Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer: 'NoStartBanner' " + kDword0},
            {}},
        ItemCase{10,
                 {"Microsoft\\Windows\\CurrentVersion\\Policies\\System: 'NoSecCPL' " + kDword0,
                  "Microsoft\\Windows\\CurrentVersion\\Policies\\System: 'NoDispCPL' " + kDword0,
                  "Microsoft\\Windows\\CurrentVersion\\Policies\\System: 'NoFileSharingControl' " +
                      kDword0},
                 {"'NoDispCPL' = 4 '\\x01"}},
        ItemCase{
            11, {"Microsoft\\Internet Explorer\\MenuExt\\Kept: @ = 1 'k\\0'"}, {"MenuExt: 'junk'"}},
        ItemCase{12, {}, {"TypedUrls: 'url1'"}},
        ItemCase{13, {"Microsoft\\Internet Explorer\\Extensions"}, {"Extensions\\{X}"}}),
    [](const auto& info) { return std::to_string(info.param.number); });

TEST(RestoreItems, TheThirteenCaptionsInListOrder) {
  std::vector<std::string> captions;
  for (const auto& item : tools::RestoreItems()) captions.emplace_back(item.caption);
  EXPECT_THAT(captions,
              ::testing::ElementsAre("Repair IE HomePage and Default Page", "Repair IE Control",
                                     "Enable RegistryTools(Registry Editor)", "IE Search Engine",
                                     "Cancel IE Menu Items Restrictions", "Enable IE Right Button",
                                     "Get back Desktop Icon", "Eabled IE Option Card",
                                     "Get Back Program Menu", "Enable control panel",
                                     "Remove IE Context Menu", "Delete IE Typed URL History",
                                     "Repair Links Toolbar Name"));
}

TEST(RestoreItems, AllItemsTwiceGiveTheSameRegistry) {
  ScratchMachine machine;
  Hijack(machine);
  for (std::size_t n = 1; n <= tools::kRestoreItemCount; ++n) ASSERT_TRUE(RunItem(machine, n)) << n;
  const std::string once = Dump(machine);
  for (std::size_t n = 1; n <= tools::kRestoreItemCount; ++n) ASSERT_TRUE(RunItem(machine, n)) << n;
  EXPECT_EQ(Dump(machine), once);
}

TEST(RestoreItems, OnAnEmptyRegistryTheKeysAreCreatedAndTheZeroValuesWritten) {
  ScratchMachine machine;
  for (std::size_t n = 1; n <= tools::kRestoreItemCount; ++n) ASSERT_TRUE(RunItem(machine, n)) << n;
  EXPECT_THAT(Dump(machine), HasSubstr("Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer: "
                                       "'NoRun' " +
                                       kDword0));
}

struct RunValueCase {
  const char* what;
  const char* startPage;  // nullptr: no start page value
  std::vector<std::pair<const char*, const char*>> runValues;
  std::vector<std::string> left;  // the Run values' names afterwards
};

TEST(RestoreItems, TheStartPageRemovesOnlyItsOwnRunEntries) {
  const RunValueCase cases[] = {
      {"a value named like the start page goes, and no other is examined",
       "http://hijack.example/",
       {{"http://hijack.example/", "x.exe"}, {"Other", "y.exe http://hijack.example/"}},
       {"Other"}},
      {"commands that contain the address go when no value has its name",
       "http://hijack.example/",
       {{"A", "a.exe http://hijack.example/"},
        {"B", "b.exe"},
        {"C", "c.exe HTTP://HIJACK.EXAMPLE/"}},
       {"B", "C"}},
      {"a local start page matches no command",
       "C:\\index.htm",
       {{"A", "a.exe C:\\index.htm"}, {"B", "b.exe"}},
       {"A", "B"}},
      {"a short start page matches no command", "e", {{"Explorer", "explorer.exe"}}, {"Explorer"}},
      {"an empty start page matches nothing", "", {{"A", "a.exe"}}, {"A"}},
      {"no start page at all", nullptr, {{"A", "a.exe"}}, {"A"}},
  };
  for (const RunValueCase& c : cases) {
    ScratchMachine machine;
    if (c.startPage != nullptr) machine.SetString(kMachineMain, "start page", c.startPage);
    for (const auto& [name, command] : c.runValues) machine.SetString(kMachineRun, name, command);
    tools::RestoreTarget target{machine.registry, machine.files(), machine.locale};
    EXPECT_TRUE(tools::RemoveStartPageRunEntries(target)) << c.what;
    std::vector<std::string> left;
    for (const auto& [name, command] : c.runValues) {
      if (machine.ValueExists(kMachineRun, name)) left.emplace_back(name);
    }
    EXPECT_EQ(left, c.left) << c.what;
  }
}

TEST(RestoreItems, RegeditImportsInRunAreRemovedInAnyCase) {
  ScratchMachine machine;
  machine.SetString(kMachineRun, "A", "regedit -s x.reg");
  machine.SetString(kMachineRun, "B", "C:\\WINDOWS\\REGEDIT /S y.reg");
  machine.SetValue(kMachineRun, "C", reg_type::kExpandString,
                   {'R', 'e', 'g', 'E', 'd', 'i', 't', ' ', '/', 's', 0});
  machine.SetString(kMachineRun, "D", "regedit.exe /s z.reg");  // no blank after regedit
  tools::RestoreTarget target{machine.registry, machine.files(), machine.locale};
  EXPECT_TRUE(tools::RemoveRegeditRunEntries(target));
  EXPECT_FALSE(machine.ValueExists(kMachineRun, "A"));
  EXPECT_FALSE(machine.ValueExists(kMachineRun, "B"));
  EXPECT_FALSE(machine.ValueExists(kMachineRun, "C"));
  EXPECT_TRUE(machine.ValueExists(kMachineRun, "D"));
}

TEST(RestoreItems, AnActionThatFailsMakesTheItemFail) {
  struct FaultCase {
    std::size_t number;
    platform::RootKey root;
    const char* key;
    platform::substitute::KeyFaults faults;
  };
  const FaultCase cases[] = {
      {3,
       platform::RootKey::CurrentUser,
       "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
       {.refuseOpen = true}},
      {3,
       platform::RootKey::CurrentUser,
       "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
       {.readOnly = true}},
      {12,
       platform::RootKey::CurrentUser,
       "Software\\Microsoft\\Internet Explorer\\TypedUrls",
       {.refuseDelete = true}},
      {1,
       platform::RootKey::LocalMachine,
       "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
       {.refuseDelete = true}},
  };
  for (const FaultCase& c : cases) {
    ScratchMachine machine;
    Hijack(machine);
    machine.registry.InjectFaults(c.root, c.key, c.faults);
    EXPECT_FALSE(RunItem(machine, c.number)) << "item " << c.number << " on " << c.key;
  }
}

}  // namespace
}  // namespace halvex::testing
