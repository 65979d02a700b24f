// Fonts: which font registrations are broken, what is passed over, and the repair.
#include "scan/sections/fonts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/scan/section_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using Problem = model::registry_content::TContent;
namespace reg_type = platform::reg_type;

constexpr int kFonts = 5;
constexpr const char* kFontsKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

class FontsScan : public ::testing::Test {
 protected:
  ScratchMachine machine{{}, kScanDrives};
  ScanRun run{machine};
  RecordingRepairFrontEnd repairFrontEnd;
};

TEST_F(FontsScan, ReportsFontsWhoseFileIsMissing) {
  struct Case {
    const char* name;
    const char* data;
    const char* presentFile;  // nullptr: no file is made
    bool reported;
  };
  const Case cases[] = {
      {"Arial (TrueType)", "arial.ttf", "C:\\WINDOWS\\Fonts\\arial.ttf", false},
      {"Gone (TrueType)", "gone.ttf", nullptr, true},
      {"Full path, present", "C:\\Tools\\Fonts\\x.ttf", "C:\\Tools\\Fonts\\x.ttf", false},
      {"Full path, missing", "C:\\Tools\\Fonts\\y.ttf", nullptr, true},
      {"Blanks around a full path", " C:\\Tools\\Fonts\\x.ttf ", nullptr, false},
      {"On a share", "\\\\server\\fonts\\z.ttf", nullptr, false},
      {"In the host's folders", "\\??\\unix\\usr\\share\\fonts\\DejaVuSans.ttf", nullptr, false},
      {"Name space path, present", "\\??\\C:\\Tools\\Fonts\\x.ttf", nullptr, false},
      {"Name space path, missing", "\\??\\C:\\Tools\\Fonts\\w.ttf", nullptr, true},
      {"On a drive that does not exist", "Z:\\usr\\share\\fonts\\DejaVuSans.ttf", nullptr, false},
      {"On a CD-ROM", "D:\\fonts\\cd.ttf", nullptr, false},
      {"With %systemroot% in lower case", "%systemroot%\\Fonts\\arial.ttf", nullptr, false},
      {"Quoted with %WINDIR%", "\"%WINDIR%\\Fonts\\lost.ttf\"", nullptr, true},
      {"With an unknown variable", "%FONTS%\\a.ttf", nullptr, false},
      {"default", "gone.ttf", nullptr, false},  // would be repaired as the unnamed value
  };
  std::vector<std::string> expected;
  for (const Case& c : cases) {
    machine.SetString(kFontsKey, c.name, c.data);
    if (c.presentFile) machine.AddFile(c.presentFile);
    if (c.reported) expected.push_back(c.name);
  }
  machine.SetDword(kFontsKey, "A number", 7);
  EXPECT_EQ(FieldOfEach(ScanOnly(run, kFonts), &Problem::ValueName), expected);
}

TEST_F(FontsScan, FillsTheProblemRecord) {
  machine.SetString(kFontsKey, "Gone (TrueType)", "gone.ttf");
  const model::TRegistryContents& problems = ScanOnly(run, kFonts);
  ASSERT_EQ(problems.size(), 1u);
  const Problem& problem = problems[0];
  EXPECT_EQ(problem.KeyPath, kFontsKey);
  EXPECT_EQ(problem.ItemName, "Fonts");
  EXPECT_EQ(problem.ValueName, "Gone (TrueType)");
  EXPECT_EQ(problem.ValueData, "gone.ttf");
  EXPECT_EQ(problem.DetailKeyPath, std::string(" Key Path:") + kFontsKey);
  EXPECT_EQ(problem.DetailValueName, " ValueName:Gone (TrueType)");
  EXPECT_EQ(problem.DetailValue, " Value:gone.ttf");
  EXPECT_EQ(problem.DetailProblem, " The file (gone.ttf) does not exist at the specified location");
  EXPECT_EQ(run.frontEnd.progress.back(),
            "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontsGone (TrueType)")
      << "the key path and the value name, without a separator";
}

TEST_F(FontsScan, AnIgnoredFontSkipsOnlyThatFont) {
  for (const char* name : {"First", "Ignored", "After"})
    machine.SetString(kFontsKey, name, "x.ttf");
  Exclude(machine, kFonts, kFontsKey, "Ignored");
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kFonts), &Problem::ValueName),
              ElementsAre("First", "After"));
}

TEST_F(FontsScan, RepairDeletesTheValue) {
  machine.SetString(kFontsKey, "Gone", "gone.ttf");
  machine.SetString(kFontsKey, "Kept", "arial.ttf");
  machine.AddFile("C:\\WINDOWS\\Fonts\\arial.ttf");
  ASSERT_EQ(ScanOnly(run, kFonts).size(), 1u);
  EXPECT_THAT(RepairOnly(run, kFonts, repairFrontEnd), ElementsAre(scan::kRepairedStatus));
  EXPECT_FALSE(machine.ValueExists(kFontsKey, "Gone"));
  EXPECT_TRUE(machine.ValueExists(kFontsKey, "Kept"));
}

}  // namespace
}  // namespace halvex::testing
