// Application paths: which registered programs are missing, how their paths are built, and the
// repair of the whole subkey.
#include "scan/sections/app_paths.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/scan/section_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAreArray;
using Problem = model::registry_content::TContent;
namespace reg_type = platform::reg_type;

constexpr int kAppPaths = 10;
constexpr const char* kAppPathsKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";

std::string Program(std::string_view name) {
  return std::string(kAppPathsKey) + "\\" + std::string(name);
}

class AppPathsScan : public ::testing::Test {
 protected:
  // The Windows folder spelt as a current system spells it.
  ScratchMachine machine{{"C:\\Windows", "C:\\Windows\\System32"}, kScanDrives};
  ScanRun run{machine};
  RecordingRepairFrontEnd repairFrontEnd;
};

TEST_F(AppPathsScan, ReportsProgramsWhoseFileIsMissing) {
  machine.SetString("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                    "ProgramFilesDir", "C:\\Program Files");
  for (const char* file :
       {"C:\\Tools\\tool.exe", "C:\\Program Files\\App\\pf.exe", "C:\\Windows\\System32\\sr.exe",
        "C:\\Windows\\lower.exe", "C:\\Program Files\\Q\\q.exe", "C:\\DW\\dw.exe"}) {
    machine.AddFile(file);
  }
  struct Case {
    const char* subkey;
    const char* program;  // REG_SZ default value
    const char* path;     // nullptr: no "Path"
    const char* reportedPath;
  };
  const Case cases[] = {
      {"gone.exe", "C:\\Gone\\gone.exe", nullptr, "C:\\Gone\\gone.exe"},
      {"tool.exe", "tool.exe", "C:\\Tools", nullptr},
      {"tool2.exe", "tool.exe", "C:\\Tools\\", nullptr},
      {"lost.exe", "lost.exe", "C:\\Tools", "C:\\Tools\\lost.exe"},
      {"pf.exe", "%ProgramFiles%\\App\\pf.exe", nullptr, nullptr},
      {"sr.exe", "%SystemRoot%\\system32\\sr.exe", nullptr, nullptr},
      {"lower.exe", "%systemroot%\\lower.exe", nullptr, nullptr},
      {"q.exe", "\"C:\\Program Files\\Q\\q.exe\"", nullptr, nullptr},
      {"noext", "C:\\Tools\\app", nullptr, nullptr},
      {"cd.exe", "D:\\setup\\cd.exe", nullptr, nullptr},
      {"unknown.exe", "%APPDIR%\\unknown.exe", nullptr, nullptr},
      {"last.exe", "C:\\Gone\\last.exe", "C:\\Gone", "C:\\Gone\\last.exe"},
  };
  std::vector<std::string> expected;
  for (const Case& c : cases) {
    machine.SetString(Program(c.subkey), "", c.program);
    if (c.path) machine.SetString(Program(c.subkey), "Path", c.path);
    if (c.reportedPath) expected.push_back(c.reportedPath);
  }
  machine.SetValue(Program("expand.exe"), "", reg_type::kExpandString,
                   {'C', ':', '\\', 'x', '.', 'e', 'x', 'e', 0});
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kAppPaths), &Problem::ValueData),
              UnorderedElementsAreArray(expected));
}

TEST_F(AppPathsScan, ANumberAsPathCountsAsNoFolderAndTheScanGoesOn) {
  machine.AddFile("C:\\DW\\dw.exe");
  machine.SetString(Program("dw.exe"), "", "C:\\DW\\dw.exe");
  machine.SetDword(Program("dw.exe"), "Path", 1);
  machine.SetString(Program("gone.exe"), "", "C:\\Gone\\gone.exe");
  machine.SetDword(Program("gone.exe"), "Path", 1);
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kAppPaths), &Problem::ItemName), ElementsAre("gone.exe"));
  EXPECT_TRUE(run.frontEnd.failures.empty());
}

TEST_F(AppPathsScan, FillsTheProblemRecordAndWalksOneLevel) {
  machine.SetString(Program("app.exe"), "", "C:\\Gone\\app.exe");
  machine.SetString(Program("app.exe\\Deeper"), "", "C:\\Gone\\deeper.exe");
  const model::TRegistryContents& problems = ScanOnly(run, kAppPaths);
  ASSERT_EQ(problems.size(), 1u);
  const Problem& problem = problems[0];
  EXPECT_EQ(problem.KeyPath, Program("app.exe"));
  EXPECT_EQ(problem.ItemName, "app.exe");
  EXPECT_EQ(problem.ValueName, "Path");
  EXPECT_EQ(problem.ValueData, "C:\\Gone\\app.exe");
  EXPECT_EQ(problem.DetailKeyPath, " Key Path:" + Program("app.exe"));
  EXPECT_EQ(problem.DetailValueName, " ValueName:Path");
  EXPECT_EQ(problem.DetailValue, " Value:C:\\Gone\\app.exe");
  EXPECT_EQ(problem.DetailProblem,
            " The file (C:\\Gone\\app.exe) does not exist at the specified location");
  EXPECT_THAT(run.frontEnd.progress, ElementsAre(Program("app.exe")));
}

TEST_F(AppPathsScan, AnIgnoredProgramSkipsOnlyThatProgram) {
  for (const char* name : {"first.exe", "ignored.exe", "after.exe"}) {
    machine.SetString(Program(name), "", std::string("C:\\Gone\\") + name);
  }
  Exclude(machine, kAppPaths, Program("ignored.exe"), "Path");
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kAppPaths), &Problem::ItemName),
              ElementsAre("after.exe", "first.exe"))
      << "programs come in the registry's order";
}

TEST_F(AppPathsScan, RepairDeletesTheWholeSubkeyAndNothingElse) {
  machine.SetString(Program("app.exe"), "", "C:\\Gone\\app.exe");
  machine.SetString(Program("app.exe"), "Path", "C:\\Gone");
  machine.SetString(Program("app.exe\\SupportedProtocols"), "http", "");
  machine.AddFile("C:\\Here\\here.exe");
  machine.SetString(Program("here.exe"), "", "C:\\Here\\here.exe");
  ASSERT_EQ(ScanOnly(run, kAppPaths).size(), 1u);
  const scan::RepairTarget target =
      scan::AppPathsSection().TargetOf(run.model.SectionContents[kAppPaths][0]);
  EXPECT_EQ(target.kind, scan::RepairTarget::Kind::KeyTree);
  EXPECT_THAT(RepairOnly(run, kAppPaths, repairFrontEnd), ElementsAre(scan::kRepairedStatus));
  EXPECT_FALSE(machine.ValueExists(Program("app.exe"), "Path"));
  EXPECT_FALSE(machine.ValueExists(Program("app.exe\\SupportedProtocols"), "http"));
  EXPECT_TRUE(machine.ValueExists(Program("here.exe"), ""));
}

}  // namespace
}  // namespace halvex::testing
