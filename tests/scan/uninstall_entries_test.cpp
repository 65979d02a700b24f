// Uninstall entries: which uninstall commands run a missing program, what is passed over, and
// the repair.
#include "scan/sections/uninstall_entries.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/scan/section_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAreArray;
using Problem = model::registry_content::TContent;
namespace reg_type = platform::reg_type;

constexpr int kUninstall = 8;
constexpr const char* kUninstallKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

std::string Entry(std::string_view name) {
  return std::string(kUninstallKey) + "\\" + std::string(name);
}

class UninstallEntriesScan : public ::testing::Test {
 protected:
  ScratchMachine machine{{}, kScanDrives};
  ScanRun run{machine};
  RecordingRepairFrontEnd repairFrontEnd;
};

TEST_F(UninstallEntriesScan, ReportsCommandsWhoseProgramIsMissing) {
  machine.AddFile("C:\\Program Files\\Here\\uninst.exe");
  machine.AddFile("C:\\WINDOWS\\system32\\present.exe");
  struct Case {
    const char* entry;
    const char* command;
    bool reported;
  };
  const Case cases[] = {
      {"Gone", "\"C:\\Program Files\\App\\uninst.exe\" /S", true},
      {"Here", "\"C:\\Program Files\\Here\\uninst.exe\" /S", false},
      {"Rundll", "rundll32.exe C:\\WINDOWS\\system32\\gone.dll,Uninstall", true},
      {"Msi", "MsiExec.exe /X{12345678-1234-1234-1234-123456789012}", false},
      {"Share", "\\\\server\\share\\uninst.exe", false},
      {"Floppy", "A:\\setup.exe /u", false},
      {"CD-ROM", "D:\\setup.exe /u", false},
      {"Lower-case variable", "%systemroot%\\system32\\present.exe /u", false},
      {"Quoted variable", "\"%SystemRoot%\\system32\\present.exe\" /u", false},
      {"Variable, missing", "%SystemRoot%\\system32\\gone.exe /u", true},
      {"Unknown variable", "C:\\Tools\\u.exe /log=%TEMP%\\u.log", false},
      {"Empty", "", false},
  };
  std::vector<std::string> expected;
  for (const Case& c : cases) {
    machine.SetString(Entry(c.entry), "UninstallString", c.command);
    if (c.reported) expected.push_back(c.entry);
  }
  machine.SetDword(Entry("Number"), "UninstallString", 1);
  machine.SetString(Entry("No command"), "DisplayName", "No command");
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kUninstall), &Problem::ItemName),
              UnorderedElementsAreArray(expected));
}

TEST_F(UninstallEntriesScan, FillsTheProblemRecord) {
  machine.SetString(Entry("App"), "UninstallString", "\"C:\\Program Files\\App\\uninst.exe\" /S");
  const model::TRegistryContents& problems = ScanOnly(run, kUninstall);
  ASSERT_EQ(problems.size(), 1u);
  const Problem& problem = problems[0];
  EXPECT_EQ(problem.KeyPath, Entry("App"));
  EXPECT_EQ(problem.ItemName, "App");
  EXPECT_EQ(problem.ValueName, "UninstallString");
  EXPECT_EQ(problem.ValueData, "C:\\Program Files\\App\\uninst.exe /S") << "without the quotes";
  EXPECT_EQ(problem.DetailKeyPath, " Key Path:" + Entry("App"));
  EXPECT_EQ(problem.DetailValueName, " ValueName:UninstallString");
  EXPECT_EQ(problem.DetailValue, " Value:C:\\Program Files\\App\\uninst.exe /S");
  EXPECT_EQ(problem.DetailProblem,
            "The file (C:\\Program Files\\App\\uninst.exe /S) does not exist at the specified "
            "location");
}

TEST_F(UninstallEntriesScan, AnIgnoredEntrySkipsOnlyThatEntry) {
  for (const char* entry : {"First", "Ignored", "After"}) {
    machine.SetString(Entry(entry), "UninstallString", "C:\\Gone\\uninst.exe");
  }
  Exclude(machine, kUninstall, Entry("Ignored"), "UninstallString");
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kUninstall), &Problem::ItemName),
              ElementsAre("After", "First"))
      << "entries come in the registry's order";
}

TEST_F(UninstallEntriesScan, RepairDeletesOnlyTheCommand) {
  machine.SetString(Entry("App"), "DisplayName", "The App");
  machine.SetString(Entry("App"), "UninstallString", "C:\\Gone\\uninst.exe");
  ASSERT_EQ(ScanOnly(run, kUninstall).size(), 1u);
  EXPECT_THAT(RepairOnly(run, kUninstall, repairFrontEnd), ElementsAre(scan::kRepairedStatus));
  EXPECT_FALSE(machine.ValueExists(Entry("App"), "UninstallString"));
  EXPECT_TRUE(machine.ValueExists(Entry("App"), "DisplayName"));
}

}  // namespace
}  // namespace halvex::testing
