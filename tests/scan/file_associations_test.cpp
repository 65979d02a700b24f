// File associations and the split of HKEY_CLASSES_ROOT's names that the extension sections
// share: which associations are broken, what is passed over, and the repair.
#include "scan/sections/file_associations.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scan/sections/classes_root_names.h"
#include "tests/scan/section_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using Problem = model::registry_content::TContent;
namespace reg_type = platform::reg_type;

constexpr int kAssociations = 6;
constexpr const char* kFileExts =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";

std::string ClassesRoot(std::string_view key) {
  return "HKEY_CLASSES_ROOT\\" + std::string(key);
}

TEST(SplitClassesRootNames, MovesExtensionsAndDropsShellKeys) {
  std::vector<std::string> names = {"txtfile",          ".txt",      "*",         ".zip",
                                    "CompressedFolder", "Folder",    ".Folder_x", "Drive",
                                    "Unknown",          "Directory", "abcfile",   ".abc"};
  std::vector<std::string> extensions = {".earlier"};
  scan::SplitClassesRootNames(names, extensions);
  EXPECT_THAT(names, ElementsAre("txtfile", "abcfile"));
  EXPECT_THAT(extensions, ElementsAre(".earlier", ".txt", ".zip", ".abc"));

  std::vector<std::string> caseMatters = {"folder", ".drive"};
  std::vector<std::string> none;
  scan::SplitClassesRootNames(caseMatters, none);
  EXPECT_THAT(caseMatters, ElementsAre("folder"));
  EXPECT_THAT(none, ElementsAre(".drive"));
}

class FileAssociationsScan : public ::testing::Test {
 protected:
  void Associate(std::string_view extension, std::string_view className) {
    machine.SetString(ClassesRoot(extension), "", className);
  }
  void RegisterClass(std::string_view className) {
    machine.SetString(ClassesRoot(className), "", "a class");
  }

  ScratchMachine machine{{}, kScanDrives};
  ScanRun run{machine};
  RecordingRepairFrontEnd repairFrontEnd;
};

TEST_F(FileAssociationsScan, ReportsExtensionsWhoseClassNobodyKnows) {
  Associate(".abc", "abcfile");
  RegisterClass("abcfile");
  Associate(".abd", "abdfile");  // known to the user's Explorer settings
  machine.SetString(std::string(kFileExts) + "\\.abd", "", "");
  Associate(".abe", "abefile");  // listed as a program for another extension
  machine.SetString(std::string(kFileExts) + "\\.xyz\\OpenWithProgids", "abefile", "");
  Associate(".zip", "CompressedFolder");  // a class whose name the split drops
  RegisterClass("CompressedFolder");
  Associate(".abf", "ABFFILE");  // classes are compared without regard to case
  RegisterClass("abffile");
  Associate(".bad", "badfile");
  machine.SetValue(ClassesRoot(".dw"), "", reg_type::kDword, {1, 0, 0, 0});
  Associate(".bs", "a\\b");
  Associate(".cd", "D:file");  // names an excluded drive
  Associate(".empty", "");
  Associate(".Folder_x", "gonefile");  // never examined
  Associate(".bad2", "otherfile");
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kAssociations), &Problem::ItemName),
              ElementsAre(".bad", ".bad2"));
}

TEST_F(FileAssociationsScan, FillsTheProblemRecord) {
  Associate(".bad", "badfile");
  const model::TRegistryContents& problems = ScanOnly(run, kAssociations);
  ASSERT_EQ(problems.size(), 1u);
  const Problem& problem = problems[0];
  EXPECT_EQ(problem.KeyPath, "HKEY_CLASSES_ROOT\\.bad");
  EXPECT_EQ(problem.ItemName, ".bad");
  EXPECT_EQ(problem.ValueName, "default");
  EXPECT_EQ(problem.ValueData, "badfile");
  EXPECT_EQ(problem.DetailKeyPath, " Key Path:HKEY_CLASSES_ROOT\\.bad");
  EXPECT_EQ(problem.DetailValueName, " ValueName:default");
  EXPECT_EQ(problem.DetailValue, " Value:badfile");
  EXPECT_EQ(problem.DetailProblem, " The file (badfile) does not exist at the specified location");
}

TEST_F(FileAssociationsScan, AnIgnoredExtensionSkipsOnlyThatExtension) {
  for (const char* extension : {".a1", ".a2", ".a3"}) Associate(extension, "gonefile");
  Exclude(machine, kAssociations, "HKEY_CLASSES_ROOT\\.a2", "default");
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kAssociations), &Problem::ItemName),
              ElementsAre(".a1", ".a3"));
}

TEST_F(FileAssociationsScan, RepairDeletesOnlyTheDefaultValue) {
  Associate(".bad", "badfile");
  machine.SetString(ClassesRoot(".bad"), "Content Type", "text/bad");
  machine.SetString(ClassesRoot(".bad\\ShellNew"), "NullFile", "");
  ASSERT_EQ(ScanOnly(run, kAssociations).size(), 1u);
  EXPECT_THAT(RepairOnly(run, kAssociations, repairFrontEnd), ElementsAre(scan::kRepairedStatus));
  EXPECT_FALSE(machine.ValueExists(ClassesRoot(".bad"), ""));
  EXPECT_TRUE(machine.ValueExists(ClassesRoot(".bad"), "Content Type"));
  EXPECT_TRUE(machine.ValueExists(ClassesRoot(".bad\\ShellNew"), "NullFile"));
}

}  // namespace
}  // namespace halvex::testing
