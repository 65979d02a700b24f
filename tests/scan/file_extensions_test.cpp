// File extensions: extension keys with an empty class, and the repair of the whole key.
#include "scan/sections/file_extensions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/scan/section_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using Problem = model::registry_content::TContent;
namespace reg_type = platform::reg_type;

constexpr int kExtensions = 13;

std::string ClassesRoot(std::string_view key) {
  return "HKEY_CLASSES_ROOT\\" + std::string(key);
}

class FileExtensionsScan : public ::testing::Test {
 protected:
  ScratchMachine machine{{}, kScanDrives};
  ScanRun run{machine};
  RecordingRepairFrontEnd repairFrontEnd;
};

TEST_F(FileExtensionsScan, ReportsExtensionsWithAnEmptyClass) {
  machine.SetString(ClassesRoot(".abc"), "", "");
  machine.SetString(ClassesRoot(".abd"), "Content Type", "text/plain");  // no default value
  machine.SetString(ClassesRoot(".abe"), "", "abefile");
  machine.SetString(ClassesRoot(".Folder_x"), "", "");               // the split drops it
  machine.SetValue(ClassesRoot(".nul"), "", reg_type::kString, {});  // no bytes at all
  machine.SetValue(ClassesRoot(".exp"), "", reg_type::kExpandString, {0});
  machine.SetValue(ClassesRoot(".dw"), "", reg_type::kDword, {0, 0, 0, 0});
  machine.SetString(ClassesRoot("emptyclass"), "", "");  // a class key, not an extension
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kExtensions), &Problem::ItemName),
              ElementsAre(".abc", ".exp", ".nul"));
}

TEST_F(FileExtensionsScan, FillsTheProblemRecordAndRunsToTheEndWhatever) {
  machine.SetString(ClassesRoot(".abc"), "", "");
  machine.SetString(ClassesRoot(".abd"), "", "");
  run.model.abortFlag = model::abort_flag::kStopScan;  // as if Abort came during the section
  scan::ScanContext context = run.context();
  scan::SectionScan section(context, *scan::FindSection(kExtensions),
                            platform::RootKey::ClassesRoot);
  scan::FileExtensionsSection().Scan(section);
  const model::TRegistryContents& problems = run.model.SectionContents[kExtensions];
  ASSERT_EQ(problems.size(), 2u) << "the section does not test the abort flag";
  const Problem& problem = problems[0];
  EXPECT_EQ(problem.KeyPath, "HKEY_CLASSES_ROOT\\.abc");
  EXPECT_EQ(problem.ItemName, ".abc");
  EXPECT_EQ(problem.ValueName, "default");
  EXPECT_EQ(problem.ValueData, "");
  EXPECT_EQ(problem.DetailKeyPath, " Key Path:HKEY_CLASSES_ROOT\\.abc");
  EXPECT_EQ(problem.DetailValueName, " ValueName:default");
  EXPECT_EQ(problem.DetailValue, " Value:");
  EXPECT_EQ(problem.DetailProblem, " The file()does not exist at the specified location");
  EXPECT_TRUE(run.frontEnd.progress.empty());
}

TEST_F(FileExtensionsScan, AnIgnoredExtensionSkipsOnlyThatExtension) {
  for (const char* extension : {".a1", ".a2", ".a3"})
    machine.SetString(ClassesRoot(extension), "", "");
  Exclude(machine, kExtensions, "HKEY_CLASSES_ROOT\\.a2", "default");
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kExtensions), &Problem::ItemName),
              ElementsAre(".a1", ".a3"));
}

TEST_F(FileExtensionsScan, RepairDeletesTheWholeExtensionKey) {
  machine.SetString(ClassesRoot(".abc"), "", "");
  machine.SetString(ClassesRoot(".abc\\ShellNew"), "NullFile", "");
  machine.SetString(ClassesRoot(".abc\\OpenWithProgids"), "abcfile", "");
  machine.SetString(ClassesRoot(".abe"), "", "abefile");
  ASSERT_EQ(ScanOnly(run, kExtensions).size(), 1u);
  const scan::RepairTarget target =
      scan::FileExtensionsSection().TargetOf(run.model.SectionContents[kExtensions][0]);
  EXPECT_EQ(target.kind, scan::RepairTarget::Kind::KeyTree);
  EXPECT_EQ(target.keyPath, "HKEY_CLASSES_ROOT\\.abc");
  EXPECT_THAT(RepairOnly(run, kExtensions, repairFrontEnd), ElementsAre(scan::kRepairedStatus));
  EXPECT_FALSE(machine.ValueExists(ClassesRoot(".abc\\ShellNew"), "NullFile"));
  EXPECT_FALSE(machine.ValueExists(ClassesRoot(".abc"), ""));
  EXPECT_TRUE(machine.ValueExists(ClassesRoot(".abe"), ""));
}

}  // namespace
}  // namespace halvex::testing
