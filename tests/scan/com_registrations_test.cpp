// ActiveX, OLE, COM: which class keys are broken, what the walk passes over, the type library
// pass, and the repair that deletes the key.
#include "scan/sections/com_registrations.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/ignore_list.h"
#include "model/key_naming.h"
#include "repair/repair_driver.h"
#include "scan/section_table.h"
#include "tests/scan/scan_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
namespace reg_type = platform::reg_type;

constexpr const char* kClasses = "HKEY_CLASSES_ROOT\\";

// One registry entry of a case: a value, or with no name a bare key.
struct Entry {
  std::string key;  // below HKEY_CLASSES_ROOT
  std::optional<std::string> name;
  std::uint32_t type = reg_type::kString;
  std::string data;
};

Entry Key(std::string key) {
  return {std::move(key), std::nullopt, reg_type::kString, {}};
}
Entry Default(std::string key, std::string text) {
  return {std::move(key), "", reg_type::kString, std::move(text)};
}
Entry DefaultOfType(std::string key, std::uint32_t type, std::string data) {
  return {std::move(key), "", type, std::move(data)};
}

void Put(ScratchMachine& machine, const Entry& entry) {
  const std::string fullPath = kClasses + entry.key;
  if (!entry.name) {
    platform::KeyHandle key;
    ASSERT_EQ(machine.registry.CreateKey(platform::RootHandle(platform::RootKey::ClassesRoot),
                                         entry.key, key),
              platform::RegStatus::Ok);
    machine.registry.CloseKey(key);
    return;
  }
  std::vector<std::uint8_t> data(entry.data.begin(), entry.data.end());
  if (entry.type == reg_type::kString || entry.type == reg_type::kExpandString) data.push_back(0);
  machine.SetValue(fullPath, *entry.name, entry.type, data);
}

// "ItemName KeyPath = ValueData", one line per problem.
std::vector<std::string> Described(const model::TRegistryContents& problems) {
  std::vector<std::string> lines;
  for (const auto& problem : problems) {
    lines.push_back(problem.ItemName + " " + problem.KeyPath + " = " + problem.ValueData);
  }
  return lines;
}

class ComRegistrationsScan : public ::testing::Test {
 protected:
  std::vector<std::string> ScanSection() {
    scan::SectionChoice choice{};
    choice[0] = true;
    scan::ScanContext context = run.context();
    (void)scan::ScanAllSections(context, choice);
    return Described(run.model.SectionContents[1]);
  }

  ScratchMachine machine{{}, kScanDrives};
  ScanRun run{machine};
};

TEST_F(ComRegistrationsScan, FindsTheCasesOfTheTable) {
  const std::string kDword("\x05\0\0\0", 4);
  struct Case {
    const char* what;
    std::vector<Entry> entries;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"a server key without a default value",
       {Key("CLSID\\{A}\\InprocServer32")},
       {"InprocServer32 HKEY_CLASSES_ROOT\\CLSID\\{A}\\InprocServer32 = "}},
      {"a server key whose default value names a missing file is not this section's problem",
       {Default("CLSID\\{A}\\InprocServer32", "C:\\gone\\server.dll")},
       {}},
      {"each of the three server names, with an empty default value",
       {Default("CLSID\\{A}\\InprocServer", ""), Default("CLSID\\{A}\\LocalServer32", ""),
        DefaultOfType("CLSID\\{B}\\InprocServer32", reg_type::kMultiString,
                      std::string("x\0\0", 3))},
       {"InprocServer HKEY_CLASSES_ROOT\\CLSID\\{A}\\InprocServer = ",
        "LocalServer32 HKEY_CLASSES_ROOT\\CLSID\\{A}\\LocalServer32 = ",
        "InprocServer32 HKEY_CLASSES_ROOT\\CLSID\\{B}\\InprocServer32 = "}},
      {"a help folder key whose default value is an integer: its text stays empty",
       {DefaultOfType("TypeLib\\{T}\\1.0\\HELPDIR", reg_type::kDword, kDword)},
       {"HELPDIR HKEY_CLASSES_ROOT\\TypeLib\\{T}\\1.0\\HELPDIR = TypeLib\\{T}\\1.0\\HELPDIR"}},
      {"a help folder key that names a folder",
       {Default("TypeLib\\{T}\\1.0\\HELPDIR", "C:\\WINDOWS")},
       {}},
      {"names compare with their case: HelpDir and inprocserver32 are walked but not tested",
       {Key("TypeLib\\{T}\\1.0\\HelpDir"), Key("CLSID\\{A}\\inprocserver32"),
        Key("CLSID\\{A}\\inprocserver32\\InprocServer32")},
       {"InprocServer32 HKEY_CLASSES_ROOT\\CLSID\\{A}\\inprocserver32\\InprocServer32 = "}},
      {"AppID is passed over with its subtree, and the keys after it are walked",
       {Key("AppID\\{A}\\InprocServer32"), Key("CLSID\\{A}\\AppID\\InprocServer32"),
        Key("CLSID\\{A}\\Zeta\\InprocServer32"), Key("Zeta\\InprocServer32")},
       {"InprocServer32 HKEY_CLASSES_ROOT\\CLSID\\{A}\\Zeta\\InprocServer32 = ",
        "InprocServer32 HKEY_CLASSES_ROOT\\Zeta\\InprocServer32 = "}},
      {"a reference to a type library that is not registered",
       {Key("TypeLib\\{Y}"), Default("CLSID\\{A}\\TypeLib", "{X}"),
        Default("CLSID\\{B}\\TypeLib", "{Y}"), Default("CLSID\\{C}\\TypeLib", "")},
       {"TypeLib HKEY_CLASSES_ROOT\\CLSID\\{A}\\TypeLib = {X}"}},
      {"a type library default value that is no text names none, and the pass goes on",
       {Key("TypeLib\\{Y}"), DefaultOfType("CLSID\\{A}\\TypeLib", reg_type::kDword, kDword),
        Default("CLSID\\{B}\\TypeLib", "{X}")},
       {"TypeLib HKEY_CLASSES_ROOT\\CLSID\\{B}\\TypeLib = {X}"}},
      {"an identifier with a backslash names no registered type library",
       {Key("TypeLib\\{Y}\\1.0"), Default("CLSID\\{A}\\TypeLib", "{Y}\\1.0")},
       {"TypeLib HKEY_CLASSES_ROOT\\CLSID\\{A}\\TypeLib = {Y}\\1.0"}},
      {"without any registered type library no reference is judged",
       {Default("CLSID\\{A}\\TypeLib", "{X}")},
       {}},
  };
  for (const Case& c : cases) {
    ScratchMachine caseMachine{{}, kScanDrives};
    ScanRun caseRun{caseMachine};
    for (const Entry& entry : c.entries) Put(caseMachine, entry);
    scan::SectionChoice choice{};
    choice[0] = true;
    scan::ScanContext context = caseRun.context();
    (void)scan::ScanAllSections(context, choice);
    EXPECT_THAT(Described(caseRun.model.SectionContents[1]), ElementsAreArray(c.expected))
        << c.what;
  }
}

TEST_F(ComRegistrationsScan, FillsTheProblemRecords) {
  Put(machine, Key("CLSID\\{A}\\InprocServer32"));
  Put(machine, Key("TypeLib\\{Y}"));
  Put(machine, Default("CLSID\\{A}\\TypeLib", "{X}"));
  Put(machine, Default("TypeLib\\{Y}\\1.0\\HELPDIR", ""));
  ASSERT_EQ(ScanSection().size(), 3u);
  const auto& server = run.model.SectionContents[1][0];
  EXPECT_EQ(server.KeyPath, "HKEY_CLASSES_ROOT\\CLSID\\{A}\\InprocServer32");
  EXPECT_EQ(server.ItemName, "InprocServer32");
  EXPECT_EQ(server.ValueName, "default");
  EXPECT_EQ(server.ValueData, "");
  EXPECT_EQ(server.DetailKeyPath, " Key Path:HKEY_CLASSES_ROOT\\CLSID\\{A}\\InprocServer32");
  EXPECT_EQ(server.DetailValueName, " ValueName:default");
  EXPECT_EQ(server.DetailValue, " Value:");
  EXPECT_EQ(server.DetailProblem, " The key is Emtpy");
  const auto& helpDir = run.model.SectionContents[1][1];
  EXPECT_EQ(helpDir.ItemName, "HELPDIR");
  EXPECT_EQ(helpDir.ValueData, "TypeLib\\{Y}\\1.0\\HELPDIR");
  EXPECT_EQ(helpDir.DetailValue, " Value:TypeLib\\{Y}\\1.0\\HELPDIR");
  const auto& typeLib = run.model.SectionContents[1][2];
  EXPECT_EQ(typeLib.KeyPath, "HKEY_CLASSES_ROOT\\CLSID\\{A}\\TypeLib");
  EXPECT_EQ(typeLib.ItemName, "TypeLib");
  EXPECT_EQ(typeLib.ValueName, "default");
  EXPECT_EQ(typeLib.ValueData, "{X}");
  EXPECT_EQ(typeLib.DetailKeyPath, "Key Path:HKEY_CLASSES_ROOT\\CLSID\\{A}\\TypeLib");
  EXPECT_EQ(typeLib.DetailValueName, "ValueName:default");
  EXPECT_EQ(typeLib.DetailValue, "Value:{X}");
  EXPECT_EQ(typeLib.DetailProblem, "The following App ID or CLSID doesn't exist");
}

TEST_F(ComRegistrationsScan, AnExcludedEntrySkipsOnlyItself) {
  Put(machine, Key("TypeLib\\{Y}"));
  Put(machine, Default("CLSID\\{A}\\TypeLib", "{X}"));
  Put(machine, Default("CLSID\\{B}\\TypeLib", "{X}"));
  Put(machine, Key("CLSID\\{A}\\InprocServer32"));
  Put(machine, Key("CLSID\\{B}\\InprocServer32"));
  machine.AddFolder("C:\\Program Files\\Halvex");
  for (const char* key : {"hkey_classes_root\\clsid\\{a}\\typelib",
                          "HKEY_CLASSES_ROOT\\CLSID\\{A}\\InprocServer32"}) {
    ASSERT_TRUE(
        model::AppendIgnoreEntry(machine.files(), "ActiveX, OLE, COM Sections", key, "default"));
  }
  EXPECT_THAT(ScanSection(),
              ElementsAre("InprocServer32 HKEY_CLASSES_ROOT\\CLSID\\{B}\\InprocServer32 = ",
                          "TypeLib HKEY_CLASSES_ROOT\\CLSID\\{B}\\TypeLib = {X}"));
}

TEST_F(ComRegistrationsScan, AKeyTheProgramCannotChangeIsNotReported) {
  Put(machine, Key("CLSID\\{A}\\InprocServer32"));
  Put(machine, Key("CLSID\\{B}\\InprocServer32"));
  machine.registry.InjectFaults(platform::RootKey::ClassesRoot, "CLSID\\{A}\\InprocServer32",
                                {.readOnly = true});
  EXPECT_THAT(ScanSection(),
              ElementsAre("InprocServer32 HKEY_CLASSES_ROOT\\CLSID\\{B}\\InprocServer32 = "));
}

TEST_F(ComRegistrationsScan, RepairDeletesTheKeyBelowTheLeadingRootNameOnly) {
  Put(machine, Key("OldHKEY_CLASSES_ROOT\\InprocServer32\\Sub"));
  Put(machine, Default("Old\\InprocServer32", "C:\\WINDOWS\\system32\\kept.dll"));
  ASSERT_THAT(ScanSection(), ElementsAre("InprocServer32 "
                                         "HKEY_CLASSES_ROOT\\OldHKEY_CLASSES_ROOT\\InprocServer32 "
                                         "= "));
  RecordingRepairFrontEnd repairFrontEnd;
  scan::RepairContext repair{machine.platform(), run.model, repairFrontEnd};
  const int rows[] = {1};
  scan::RepairAllSections(repair, rows);
  ASSERT_EQ(run.model.RepairContents.size(), 1u);
  EXPECT_EQ(run.model.RepairContents[0].KeyPath, "\\OldHKEY_CLASSES_ROOT\\InprocServer32");
  EXPECT_EQ(run.model.RepairContents[0].Status, "Repaired Successfully");
  EXPECT_THAT(repairFrontEnd.progress, ElementsAre("\\OldHKEY_CLASSES_ROOT\\InprocServer32"));
  platform::KeyHandle key;
  const platform::KeyHandle classes = platform::RootHandle(platform::RootKey::ClassesRoot);
  EXPECT_EQ(machine.registry.OpenKey(classes, "OldHKEY_CLASSES_ROOT\\InprocServer32",
                                     platform::KeyAccess::Read, key),
            platform::RegStatus::NotFound);
  ASSERT_EQ(
      machine.registry.OpenKey(classes, "OldHKEY_CLASSES_ROOT", platform::KeyAccess::Read, key),
      platform::RegStatus::Ok)
      << "the key above the repaired one stays";
  machine.registry.CloseKey(key);
  EXPECT_TRUE(machine.ValueExists("HKEY_CLASSES_ROOT\\Old\\InprocServer32", ""));
}

TEST_F(ComRegistrationsScan, ARefusedDeletionIsAnError) {
  Put(machine, Key("CLSID\\{A}\\InprocServer32"));
  machine.registry.InjectFaults(platform::RootKey::ClassesRoot, "CLSID\\{A}\\InprocServer32",
                                {.refuseDelete = true});
  ASSERT_EQ(ScanSection().size(), 1u);
  RecordingRepairFrontEnd repairFrontEnd;
  scan::RepairContext repair{machine.platform(), run.model, repairFrontEnd};
  const int rows[] = {1};
  scan::RepairAllSections(repair, rows);
  ASSERT_EQ(run.model.RepairContents.size(), 1u);
  EXPECT_EQ(run.model.RepairContents[0].Status, "Error: could not be repaired");
}

}  // namespace
}  // namespace halvex::testing
