// User and System Software Settings: which text values name a missing folder or program, which
// keys the walks pass over, what sets the two sections apart, and the repair of the value.
#include "scan/sections/software_settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/ignore_list.h"
#include "repair/repair_driver.h"
#include "scan/section_table.h"
#include "tests/scan/scan_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
namespace reg_type = platform::reg_type;

constexpr int kUserSection = 2;
constexpr int kSystemSection = 3;

// "KeyPath [ValueName] = ValueData", one line per problem.
std::vector<std::string> Described(const model::TRegistryContents& problems) {
  std::vector<std::string> lines;
  for (const auto& problem : problems) {
    lines.push_back(problem.KeyPath + " [" + problem.ValueName + "] = " + problem.ValueData);
  }
  return lines;
}

class SoftwareSettingsScan : public ::testing::Test {
 protected:
  SoftwareSettingsScan() {
    machine.AddFolder("C:\\Program Files\\Halvex");
    machine.AddFile("C:\\WINDOWS\\system32\\kept.dll");
    machine.AddFile("C:\\Program Files\\App\\app.exe");
  }

  std::vector<std::string> ScanSection(int section) {
    scan::SectionChoice choice{};
    choice[static_cast<std::size_t>(section - 1)] = true;
    scan::ScanContext context = run.context();
    (void)scan::ScanAllSections(context, choice);
    return Described(run.model.SectionContents[static_cast<std::size_t>(section)]);
  }

  void Exclude(int section, std::string_view keyPath, std::string_view valueName) {
    ASSERT_TRUE(model::AppendIgnoreEntry(machine.files(), model::SectionCaption(section), keyPath,
                                         valueName));
  }

  ScratchMachine machine{{}, kScanDrives};
  ScanRun run{machine};
};

// System Software Settings over HKEY_LOCAL_MACHINE and HKEY_USERS.
TEST_F(SoftwareSettingsScan, SystemSoftwareFindsTheCasesOfTheTable) {
  struct Value {
    std::string key;  // full key path
    std::string name;
    std::string text;
  };
  struct Case {
    const char* what;
    std::vector<Value> values;
    std::vector<std::string> expected;
  };
  const std::string app = "HKEY_LOCAL_MACHINE\\SOFTWARE\\App";
  const Case cases[] = {
      {"a folder that is gone is a direct problem",
       {{app, "Dir", "C:\\Program Files\\Gone"}},
       {app + " [Dir] = C:\\Program Files\\Gone"}},
      {"a file name fails the direct test (the dot) and is a command line",
       {{app, "Exe", "C:\\Program Files\\Gone\\app.exe"}},
       {app + " [Exe] = C:\\Program Files\\Gone\\app.exe"}},
      {"a quoted program with arguments",
       {{app, "Run", "\"C:\\Program Files\\Gone\\app.exe\" /run"}},
       {app + " [Run] = C:\\Program Files\\Gone\\app.exe"}},
      {"%SystemRoot% in any case is put in and the path upper-cased",
       {{app, "Icon", "%SystemRoot%\\system32\\gone.dll,1"},
        {app, "Lower", "%systemroot%\\system32\\lost.dll"}},
       {app + " [Icon] = C:\\WINDOWS\\SYSTEM32\\GONE.DLL",
        app + " [Lower] = C:\\WINDOWS\\SYSTEM32\\LOST.DLL"}},
      {"a rundll32 line names the library it loads",
       {{app, "Ok", "rundll32.exe C:\\WINDOWS\\system32\\kept.dll,Entry"},
        {app, "Gone", "rundll32.exe C:\\WINDOWS\\system32\\gone.dll,Entry"}},
       {app + " [Gone] = C:\\WINDOWS\\system32\\gone.dll"}},
      {"files and folders that exist are sound",
       {{app, "Dir", "C:\\Program Files"},
        {app, "Exe", "\"C:\\Program Files\\App\\app.exe\" -x"},
        {app, "Text", "just words"}},
       {}},
      {"explorer.exe in any case ends the examination of its key",
       {{app, "A", "C:\\Gone\\a.exe"},
        {app, "Shell", "EXPLORER.EXE"},
        {app, "B", "C:\\Gone\\b.exe"},
        {app + "\\Next", "C", "C:\\Gone\\c.exe"}},
       {app + " [A] = C:\\Gone\\a.exe", app + "\\Next [C] = C:\\Gone\\c.exe"}},
      {"a driver ends the examination of its key",
       {{app, "Driver", "C:\\WINDOWS\\system32\\drivers\\x.sys"}, {app, "B", "C:\\Gone\\b.exe"}},
       {}},
      {"H:\\ is never reported, h:\\ can be",
       {{app, "Upper", "H:\\Data\\x.doc"}, {app, "Lower", "h:\\data\\x.doc"}},
       {app + " [Lower] = h:\\data\\x.doc"}},
      {"a CD-ROM drive's files are not tested", {{app, "Cd", "D:\\x.exe"}}, {}},
      {"a missing msoe.dll is not reported",
       {{app, "Mail", "C:\\x\\msoe.dll"}, {app, "Other", "C:\\x\\other.dll"}},
       {app + " [Other] = C:\\x\\other.dll"}},
      {"a program path must hold :\\", {{app, "Relative", "C:gone.exe"}}, {}},
      {"App Paths is neither examined nor walked",
       {{"HKEY_LOCAL_MACHINE\\SOFTWARE\\App Paths", "A", "C:\\Gone\\a.exe"},
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\App Paths\\x.exe", "", "C:\\Gone\\x.exe"},
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\app paths2", "A", "C:\\Gone\\a.exe"}},
       {"HKEY_LOCAL_MACHINE\\SOFTWARE\\app paths2 [A] = C:\\Gone\\a.exe"}},
      {"below SYSTEM, Winlogon and Windows NT\\CurrentVersion nothing is walked, but the keys "
       "themselves are examined",
       {{"HKEY_LOCAL_MACHINE\\SYSTEM\\Setup", "A", "C:\\Gone\\a.exe"},
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\System", "A", "C:\\Gone\\a.exe"},
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\System\\Below", "A", "C:\\Gone\\a.exe"},
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "A",
         "C:\\Gone\\a.exe"},
        {"HKEY_USERS\\S-1\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Run", "A",
         "C:\\Gone\\a.exe"}},
       {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\System [A] = C:\\Gone\\a.exe"}},
      {"the users' hive is walked after the machine's",
       {{"HKEY_USERS\\S-1\\Software\\App", "A", "C:\\Gone\\u.exe"},
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\App", "A", "C:\\Gone\\m.exe"}},
       {"HKEY_LOCAL_MACHINE\\SOFTWARE\\App [A] = C:\\Gone\\m.exe",
        "HKEY_USERS\\S-1\\Software\\App [A] = C:\\Gone\\u.exe"}},
  };
  for (const Case& c : cases) {
    ScratchMachine caseMachine{{}, kScanDrives};
    caseMachine.AddFolder("C:\\Program Files\\Halvex");
    caseMachine.AddFile("C:\\WINDOWS\\system32\\kept.dll");
    caseMachine.AddFile("C:\\Program Files\\App\\app.exe");
    ScanRun caseRun{caseMachine};
    for (const Value& value : c.values) caseMachine.SetString(value.key, value.name, value.text);
    scan::SectionChoice choice{};
    choice[kSystemSection - 1] = true;
    scan::ScanContext context = caseRun.context();
    (void)scan::ScanAllSections(context, choice);
    EXPECT_THAT(Described(caseRun.model.SectionContents[kSystemSection]),
                ElementsAreArray(c.expected))
        << c.what;
  }
}

// One value set through both sections: each value in a key of its own, below
// HKEY_CURRENT_USER\Software\Vendor for the user's section and HKEY_LOCAL_MACHINE\SOFTWARE\Vendor
// for the machine's.
TEST_F(SoftwareSettingsScan, OneValueSetThroughBothSections) {
  struct Case {
    const char* key;  // below ...\Vendor
    const char* text;
    bool userReports;
    bool systemReports;
  };
  const Case cases[] = {
      {"Gone", "C:\\Gone\\app.exe /min", true, true},
      {"Explorer", "C:\\Tools\\explorer.exe", true, false},
      {"DriveH", "H:\\Data\\x.doc", true, false},
      {"NoBackslash", "C:gone.exe", true, false},
      {"Policies\\System\\Below", "C:\\Gone\\below.exe", true, false},
      {"App Paths\\x.exe", "C:\\Gone\\x.exe", true, false},
      {"Winlogon\\Below", "C:\\Gone\\w.exe", false, false},
      {"Driver", "C:\\WINDOWS\\system32\\drivers\\gone.sys", false, false},
      {"Sound", "C:\\Program Files\\App\\app.exe", false, false},
  };
  std::vector<std::string> userExpected, systemExpected;
  for (const Case& c : cases) {
    const std::string user = std::string("HKEY_CURRENT_USER\\Software\\Vendor\\") + c.key;
    const std::string system = std::string("HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\") + c.key;
    machine.SetString(user, "V", c.text);
    machine.SetString(system, "V", c.text);
    if (c.userReports) userExpected.push_back(user);
    if (c.systemReports) systemExpected.push_back(system);
  }
  auto keyPaths = [](const model::TRegistryContents& problems) {
    std::vector<std::string> paths;
    for (const auto& problem : problems) paths.push_back(problem.KeyPath);
    std::sort(paths.begin(), paths.end());
    return paths;
  };
  std::sort(userExpected.begin(), userExpected.end());
  std::sort(systemExpected.begin(), systemExpected.end());
  (void)ScanSection(kUserSection);
  (void)ScanSection(kSystemSection);
  EXPECT_EQ(keyPaths(run.model.SectionContents[kUserSection]), userExpected);
  EXPECT_EQ(keyPaths(run.model.SectionContents[kSystemSection]), systemExpected);
}

TEST_F(SoftwareSettingsScan, FillsTheProblemRecordsOfEachSection) {
  machine.SetString("HKEY_LOCAL_MACHINE\\SOFTWARE\\App", "", "C:\\Gone\\run.exe /x");
  machine.SetString("HKEY_LOCAL_MACHINE\\SOFTWARE\\App", "Dir", "C:\\Gone");
  machine.SetString("HKEY_CURRENT_USER\\Software\\App", "", "C:\\Gone\\run.exe /x");
  machine.SetString("HKEY_CURRENT_USER\\Software\\App", "Dir", "C:\\Gone");
  ASSERT_EQ(ScanSection(kSystemSection).size(), 2u);
  ASSERT_EQ(ScanSection(kUserSection).size(), 2u);
  struct Expected {
    int section;
    std::size_t index;
    const char* keyPath;
    const char* itemName;
    const char* valueName;
    const char* valueData;
    const char* detailValueName;
    const char* detailValue;
    const char* detailProblem;
  };
  const Expected expected[] = {
      {kSystemSection, 0, "HKEY_LOCAL_MACHINE\\SOFTWARE\\App", "", "default", "C:\\Gone\\run.exe",
       " ValueName:default", " Value:C:\\Gone\\run.exe",
       " The file(C:\\Gone\\run.exe)does not exist at the specified location"},
      {kSystemSection, 1, "HKEY_LOCAL_MACHINE\\SOFTWARE\\App", "C:\\Gone", "Dir", "C:\\Gone",
       " ValueName:Dir", " Value:C:\\Gone",
       " The file (C:\\Gone) does not exist at the specified location"},
      {kUserSection, 0, "HKEY_CURRENT_USER\\Software\\App", "", "", "C:\\Gone\\run.exe",
       " ValueName:", " Value:C:\\Gone\\run.exe",
       " The file (C:\\Gone\\run.exe) does not exist at the specified location"},
      {kUserSection, 1, "HKEY_CURRENT_USER\\Software\\App", "C:\\Gone", "Dir", "C:\\Gone",
       " ValueName:Dir", " Value:C:\\Gone",
       "The file (C:\\Gone) does not exist at the specified location"},
  };
  for (const Expected& e : expected) {
    const auto& problem =
        run.model.SectionContents[static_cast<std::size_t>(e.section)].at(e.index);
    SCOPED_TRACE("section " + std::to_string(e.section) + " problem " + std::to_string(e.index));
    EXPECT_TRUE(problem.Marked);
    EXPECT_EQ(problem.KeyPath, e.keyPath);
    EXPECT_EQ(problem.ItemName, e.itemName);
    EXPECT_EQ(problem.ValueName, e.valueName);
    EXPECT_EQ(problem.ValueData, e.valueData);
    EXPECT_EQ(problem.DetailKeyPath, std::string(" Key Path:") + e.keyPath);
    EXPECT_EQ(problem.DetailValueName, e.detailValueName);
    EXPECT_EQ(problem.DetailValue, e.detailValue);
    EXPECT_EQ(problem.DetailProblem, e.detailProblem);
  }
}

TEST_F(SoftwareSettingsScan, AnExcludedValueSkipsOnlyThatValue) {
  for (const char* key :
       {"HKEY_LOCAL_MACHINE\\SOFTWARE\\App", "HKEY_CURRENT_USER\\Software\\App"}) {
    machine.SetString(key, "A", "C:\\Gone\\a.exe");
    machine.SetString(key, "B", "C:\\Gone\\b.exe");
    machine.SetString(key, "C", "C:\\Gone\\c.exe");
  }
  Exclude(kSystemSection, "hkey_local_machine\\software\\app", "B");
  Exclude(kUserSection, "HKEY_CURRENT_USER\\Software\\App", "B");
  EXPECT_THAT(ScanSection(kSystemSection),
              ElementsAre("HKEY_LOCAL_MACHINE\\SOFTWARE\\App [A] = C:\\Gone\\a.exe",
                          "HKEY_LOCAL_MACHINE\\SOFTWARE\\App [C] = C:\\Gone\\c.exe"));
  EXPECT_THAT(ScanSection(kUserSection),
              ElementsAre("HKEY_CURRENT_USER\\Software\\App [A] = C:\\Gone\\a.exe",
                          "HKEY_CURRENT_USER\\Software\\App [C] = C:\\Gone\\c.exe"));
}

TEST_F(SoftwareSettingsScan, AnExcludedDefaultValueMatchesByEitherName) {
  // The exclusion of a command-line problem stores "default", that of a direct problem "".
  machine.SetString("HKEY_LOCAL_MACHINE\\SOFTWARE\\Stored", "", "C:\\Gone\\a.exe /x");
  machine.SetString("HKEY_LOCAL_MACHINE\\SOFTWARE\\Unnamed", "", "C:\\Gone");
  machine.SetString("HKEY_LOCAL_MACHINE\\SOFTWARE\\Unnamed", "Default", "C:\\Gone\\d.exe");
  ASSERT_EQ(ScanSection(kSystemSection).size(), 3u);
  for (const auto& problem : std::vector(run.model.SectionContents[kSystemSection].begin(),
                                         run.model.SectionContents[kSystemSection].begin() + 2)) {
    Exclude(kSystemSection, problem.KeyPath, problem.ValueName);
  }
  EXPECT_THAT(ScanSection(kSystemSection),
              ElementsAre("HKEY_LOCAL_MACHINE\\SOFTWARE\\Unnamed [Default] = C:\\Gone\\d.exe"))
      << "Default with a capital D is an ordinary value";
}

TEST_F(SoftwareSettingsScan, AValueReallyNamedDefaultIsPassedOver) {
  for (const char* key :
       {"HKEY_LOCAL_MACHINE\\SOFTWARE\\App", "HKEY_CURRENT_USER\\Software\\App"}) {
    machine.SetString(key, "default", "C:\\Gone\\named-default.exe");
    machine.SetString(key, "After", "C:\\Gone\\after.exe");
  }
  EXPECT_THAT(ScanSection(kSystemSection),
              ElementsAre("HKEY_LOCAL_MACHINE\\SOFTWARE\\App [After] = C:\\Gone\\after.exe"));
  EXPECT_THAT(ScanSection(kUserSection),
              ElementsAre("HKEY_CURRENT_USER\\Software\\App [After] = C:\\Gone\\after.exe"));
}

TEST_F(SoftwareSettingsScan, PassesOverValuesThatAreNoTextAndTheRootsOwnValues) {
  machine.SetDword("HKEY_LOCAL_MACHINE\\SOFTWARE\\App", "Number", 3);
  machine.SetValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\App", "List", reg_type::kMultiString,
                   {'C', ':', '\\', 'x', 0, 0});
  machine.SetValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\App", "Expand", reg_type::kExpandString,
                   {'C', ':', '\\', 'G', 'o', 'n', 'e', 0});
  machine.SetString("HKEY_LOCAL_MACHINE\\", "AtTheRoot", "C:\\Gone\\root.exe");
  EXPECT_THAT(ScanSection(kSystemSection),
              ElementsAre("HKEY_LOCAL_MACHINE\\SOFTWARE\\App [Expand] = C:\\Gone"));
}

TEST_F(SoftwareSettingsScan, AKeyTheProgramCannotChangeIsNotReported) {
  machine.SetString("HKEY_LOCAL_MACHINE\\SOFTWARE\\Locked", "A", "C:\\Gone\\a.exe");
  machine.SetString("HKEY_LOCAL_MACHINE\\SOFTWARE\\Locked\\Below", "A", "C:\\Gone\\b.exe");
  machine.registry.InjectFaults(platform::RootKey::LocalMachine, "SOFTWARE\\Locked",
                                {.readOnly = true});
  EXPECT_THAT(ScanSection(kSystemSection),
              ElementsAre("HKEY_LOCAL_MACHINE\\SOFTWARE\\Locked\\Below [A] = C:\\Gone\\b.exe"));
}

TEST_F(SoftwareSettingsScan, RepairDeletesTheValueAndARefusedDeletionIsAnErrorThatEndsNothing) {
  machine.SetString("HKEY_CURRENT_USER\\Software\\App", "", "C:\\Gone\\a.exe");
  machine.SetString("HKEY_CURRENT_USER\\Software\\Locked", "A", "C:\\Gone\\a.exe");
  machine.SetString("HKEY_LOCAL_MACHINE\\SOFTWARE\\App", "", "C:\\Gone\\a.exe /x");
  machine.registry.InjectFaults(platform::RootKey::CurrentUser, "Software\\Locked",
                                {.refuseDelete = true});
  (void)ScanSection(kUserSection);
  (void)ScanSection(kSystemSection);
  // The default value of the user's key is stored as "", of the machine's key as "default".
  ASSERT_THAT(Described(run.model.SectionContents[kUserSection]),
              ElementsAre("HKEY_CURRENT_USER\\Software\\App [] = C:\\Gone\\a.exe",
                          "HKEY_CURRENT_USER\\Software\\Locked [A] = C:\\Gone\\a.exe"));
  ASSERT_EQ(run.model.SectionContents[kSystemSection].at(0).ValueName, "default");

  RecordingRepairFrontEnd repairFrontEnd;
  scan::RepairContext repair{machine.platform(), run.model, repairFrontEnd};
  const int rows[] = {kUserSection, kSystemSection};
  scan::RepairAllSections(repair, rows);
  ASSERT_EQ(run.model.RepairContents.size(), 3u);
  EXPECT_EQ(run.model.RepairContents[0].Status, "Repaired Successfully");
  EXPECT_EQ(run.model.RepairContents[1].Status, "Error: could not be repaired");
  EXPECT_EQ(run.model.RepairContents[2].Status, "Repaired Successfully")
      << "the next section still runs";
  EXPECT_FALSE(machine.ValueExists("HKEY_CURRENT_USER\\Software\\App", ""));
  EXPECT_TRUE(machine.ValueExists("HKEY_CURRENT_USER\\Software\\Locked", "A"));
  EXPECT_FALSE(machine.ValueExists("HKEY_LOCAL_MACHINE\\SOFTWARE\\App", ""));
}

}  // namespace
}  // namespace halvex::testing
