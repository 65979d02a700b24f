// Help files: which registered help files are missing from their folders, what is passed over,
// and the repair.
#include "scan/sections/help_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/scan/section_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using Problem = model::registry_content::TContent;
namespace reg_type = platform::reg_type;

constexpr int kHelp = 9;
constexpr const char* kHelpKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\Help";
constexpr const char* kHtmlHelpKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\Html Help";

class HelpFilesScan : public ::testing::Test {
 protected:
  ScratchMachine machine{{}, kScanDrives};
  ScanRun run{machine};
  RecordingRepairFrontEnd repairFrontEnd;
};

TEST_F(HelpFilesScan, ReportsHelpFilesMissingFromTheirFolder) {
  machine.AddFile("C:\\WINDOWS\\Help\\present.hlp");
  machine.AddFile("C:\\Docs\\x.chm");
  struct Case {
    const char* key;
    const char* name;
    const char* folder;        // nullptr: a REG_DWORD value
    const char* reportedFile;  // nullptr: not reported
  };
  const Case cases[] = {
      {kHelpKey, "notepad.hlp", "C:\\WINDOWS\\Help", "C:\\WINDOWS\\Help\\notepad.hlp"},
      {kHelpKey, "number.hlp", nullptr, nullptr},  // between two texts: names no file
      {kHelpKey, "present.hlp", "C:\\WINDOWS\\Help", nullptr},
      {kHelpKey, "share.hlp", "\\\\server\\help", nullptr},
      {kHelpKey, "cd.hlp", "D:\\help", nullptr},
      {kHelpKey, "default", "C:\\Gone", nullptr},  // would be repaired as the unnamed value
      {kHelpKey, "lower.hlp", "%systemroot%\\Help", "C:\\WINDOWS\\Help\\lower.hlp"},
      {kHelpKey, "unknown.hlp", "%HELPDIR%", nullptr},
      {kHtmlHelpKey, "x.chm", "C:\\Docs\\", nullptr},
      {kHtmlHelpKey, "y.chm", "C:\\Docs\\", "C:\\Docs\\y.chm"},
      {kHtmlHelpKey, "z.chm", "C:\\Docs", "C:\\Docs\\z.chm"},
  };
  std::vector<std::string> expected;
  for (const Case& c : cases) {
    if (c.folder) {
      machine.SetString(c.key, c.name, c.folder);
    } else {
      machine.SetDword(c.key, c.name, 1);
    }
    if (c.reportedFile) expected.push_back(c.reportedFile);
  }
  EXPECT_EQ(FieldOfEach(ScanOnly(run, kHelp), &Problem::ValueData), expected);
}

TEST_F(HelpFilesScan, FillsTheProblemRecord) {
  machine.SetString(kHelpKey, "notepad.hlp", "C:\\WINDOWS\\Help");
  const model::TRegistryContents& problems = ScanOnly(run, kHelp);
  ASSERT_EQ(problems.size(), 1u);
  const Problem& problem = problems[0];
  EXPECT_EQ(problem.KeyPath, kHelpKey);
  EXPECT_EQ(problem.ItemName, "notepad.hlp");
  EXPECT_EQ(problem.ValueName, "notepad.hlp");
  EXPECT_EQ(problem.ValueData, "C:\\WINDOWS\\Help\\notepad.hlp");
  EXPECT_EQ(problem.DetailKeyPath, std::string(" Key Path:") + kHelpKey);
  EXPECT_EQ(problem.DetailValueName, " ValueName:default");
  EXPECT_EQ(problem.DetailValue, " Value:C:\\WINDOWS\\Help\\notepad.hlp");
  EXPECT_EQ(problem.DetailProblem,
            " The file (C:\\WINDOWS\\Help\\notepad.hlp) does not exist at the specified location");
  EXPECT_THAT(run.frontEnd.progress, ElementsAre("HKEY_LOCAL_MACHINE\\"));
}

TEST_F(HelpFilesScan, AnIgnoredValueSkipsOnlyThatValue) {
  for (const char* name : {"first.hlp", "ignored.hlp", "after.hlp"}) {
    machine.SetString(kHelpKey, name, "C:\\Gone");
  }
  Exclude(machine, kHelp, kHelpKey, "ignored.hlp");
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kHelp), &Problem::ValueName),
              ElementsAre("first.hlp", "after.hlp"));
}

TEST_F(HelpFilesScan, RepairDeletesTheValueAndShowsTheKeyWithoutItsRoot) {
  machine.SetString(kHelpKey, "gone.hlp", "C:\\Gone");
  machine.SetString(kHelpKey, "kept.hlp", "C:\\Docs");
  machine.AddFile("C:\\Docs\\kept.hlp");
  ASSERT_EQ(ScanOnly(run, kHelp).size(), 1u);
  EXPECT_THAT(RepairOnly(run, kHelp, repairFrontEnd), ElementsAre(scan::kRepairedStatus));
  EXPECT_FALSE(machine.ValueExists(kHelpKey, "gone.hlp"));
  EXPECT_TRUE(machine.ValueExists(kHelpKey, "kept.hlp"));
  EXPECT_EQ(run.model.RepairContents[0].KeyPath, "\\SOFTWARE\\Microsoft\\Windows\\Help");
}

}  // namespace
}  // namespace halvex::testing
