// What every section's repair shares through the standard repair loop: a deletion the registry
// refuses is reported as an error, never as repaired, and the entry stays.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "tests/scan/section_test_run.h"

namespace halvex::testing {
namespace {

using platform::RootKey;
using ::testing::ElementsAre;

struct RefusedRepairCase {
  int section;
  RootKey root;
  const char* key;        // below the root: the key whose deletions are refused
  const char* valueName;  // what must still be there afterwards ("" for the default value)
  std::function<void(ScratchMachine&)> breakSomething;
};

std::string Full(RootKey root, std::string_view key) {
  return (root == RootKey::ClassesRoot ? "HKEY_CLASSES_ROOT\\" : "HKEY_LOCAL_MACHINE\\") +
         std::string(key);
}

TEST(SectionRepairs, ARefusedDeletionIsAnErrorInEverySection) {
  const char* fonts = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
  const char* filters =
      "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E965-E325-11CE-BFC1-08002BE10318}";
  const char* uninstall = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\App";
  const char* help = "SOFTWARE\\Microsoft\\Windows\\Help";
  const char* appPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\app.exe";
  const RefusedRepairCase cases[] = {
      {5, RootKey::LocalMachine, fonts, "Gone",
       [&](ScratchMachine& m) {
         m.SetString(Full(RootKey::LocalMachine, fonts), "Gone", "g.ttf");
       }},
      {6, RootKey::ClassesRoot, ".bad", "",
       [](ScratchMachine& m) { m.SetString("HKEY_CLASSES_ROOT\\.bad", "", "badfile"); }},
      {7, RootKey::LocalMachine, filters, "UpperFilters",
       [&](ScratchMachine& m) {
         m.SetValue(Full(RootKey::LocalMachine, filters), "UpperFilters",
                    platform::reg_type::kMultiString, {0});
       }},
      {8, RootKey::LocalMachine, uninstall, "UninstallString",
       [&](ScratchMachine& m) {
         m.SetString(Full(RootKey::LocalMachine, uninstall), "UninstallString", "C:\\Gone\\u.exe");
       }},
      {9, RootKey::LocalMachine, help, "gone.hlp",
       [&](ScratchMachine& m) {
         m.SetString(Full(RootKey::LocalMachine, help), "gone.hlp", "C:\\Gone");
       }},
      {10, RootKey::LocalMachine, appPath, "",
       [&](ScratchMachine& m) {
         m.SetString(Full(RootKey::LocalMachine, appPath), "", "C:\\Gone\\app.exe");
       }},
      {13, RootKey::ClassesRoot, ".abc", "",
       [](ScratchMachine& m) { m.SetString("HKEY_CLASSES_ROOT\\.abc", "", ""); }},
  };
  for (const RefusedRepairCase& c : cases) {
    ScratchMachine machine{{}, kScanDrives};
    ScanRun run{machine};
    RecordingRepairFrontEnd repairFrontEnd;
    c.breakSomething(machine);
    ASSERT_EQ(ScanOnly(run, c.section).size(), 1u) << "section " << c.section;
    machine.registry.InjectFaults(c.root, c.key, {.refuseDelete = true});
    EXPECT_THAT(RepairOnly(run, c.section, repairFrontEnd), ElementsAre(scan::kNotRepairedStatus))
        << "section " << c.section;
    EXPECT_TRUE(machine.ValueExists(Full(c.root, c.key), c.valueName)) << "section " << c.section;
  }
}

}  // namespace
}  // namespace halvex::testing
