// The substitute's shell and file identities: what the clean-up tools' tests rely on.
#include "platform/substitute/substitute_shell.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/free_file_name.h"
#include "tests/support/scratch_machine.h"

namespace halvex::platform::substitute {
namespace {

using ::testing::ElementsAre;

std::string ReadHost(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class SubstituteShellTest : public ::testing::Test {
 protected:
  testing::ScratchMachine machine{
      {}, {{'C', DriveType::Fixed}, {'D', DriveType::Fixed}, {'E', DriveType::Fixed, "C:\\Data"}}};
  SubstituteShell& shell = machine.shell;
};

TEST_F(SubstituteShellTest, RecycledFilesLeaveTheDrivesAndAreKeptUnderFreeNames) {
  machine.AddFile("C:\\a\\x.tmp", "first");
  machine.AddFile("C:\\b\\x.tmp", "second");
  EXPECT_TRUE(shell.Recycle("C:\\a\\x.tmp"));
  EXPECT_TRUE(shell.Recycle("C:\\b\\x.tmp"));
  EXPECT_FALSE(shell.Recycle("C:\\b\\x.tmp")) << "nothing is left to recycle";
  EXPECT_FALSE(machine.files().FileExists("C:\\a\\x.tmp"));
  EXPECT_EQ(ReadHost(shell.recycleBin() / "x.tmp"), "first");
  EXPECT_EQ(ReadHost(shell.recycleBin() / "x.tmp.2"), "second");
}

TEST_F(SubstituteShellTest, AMoveKeepsBothFilesOnANameClashWithinAndAcrossDrives) {
  machine.AddFile("C:\\junk\\readme.txt", "kept");
  machine.AddFile("C:\\a\\readme.txt", "a");
  machine.AddFile("D:\\b\\readme.txt", "b");
  EXPECT_TRUE(shell.MoveInto("C:\\a\\readme.txt", "C:\\junk"));
  EXPECT_TRUE(shell.MoveInto("D:\\b\\readme.txt", "C:\\junk\\"));
  EXPECT_EQ(machine.Read("C:\\junk\\readme.txt"), "kept");
  EXPECT_EQ(machine.Read("C:\\junk\\readme (2).txt"), "a");
  EXPECT_EQ(machine.Read("C:\\junk\\readme (3).txt"), "b");
  EXPECT_FALSE(machine.files().FileExists("D:\\b\\readme.txt"));
}

TEST_F(SubstituteShellTest, RefusesMovesWithoutAFolderAndRefusedPathsAndRecordsEveryCall) {
  machine.AddFile("C:\\a.tmp");
  shell.Refuse("C:\\a.tmp");
  EXPECT_FALSE(shell.MoveInto("C:\\a.tmp", ""));
  EXPECT_FALSE(shell.MoveInto("C:\\a.tmp", "C:\\nowhere"));
  EXPECT_FALSE(shell.Recycle("C:\\a.tmp"));
  EXPECT_TRUE(machine.files().FileExists("C:\\a.tmp"));
  EXPECT_EQ(shell.DriveDisplayName("C:\\"), "Local Disk (C:)");
  EXPECT_EQ(shell.DriveDisplayName("Q:\\"), std::nullopt);
  shell.ChooseFolder("D:\\x");
  EXPECT_EQ(shell.BrowseForFolder("Select Directory", ""), "D:\\x");
  EXPECT_THAT(shell.calls(), ElementsAre("move C:\\a.tmp into ", "move C:\\a.tmp into C:\\nowhere",
                                         "recycle C:\\a.tmp", "display name C:\\",
                                         "display name Q:\\", "browse Select Directory"));
}

TEST_F(SubstituteShellTest, IdentitiesAreEqualThroughASecondDriveLetterAndAHardLink) {
  machine.AddFile("C:\\Data\\a.txt", "a");
  machine.AddFile("C:\\Other\\a.txt", "a");
  std::filesystem::create_hard_link(*machine.files().HostPath("C:\\Data\\a.txt"),
                                    *machine.files().HostPath("C:\\Other") / "link.txt");
  const auto data = machine.identities.IdentityOf("C:\\Data\\a.txt");
  ASSERT_TRUE(data);
  EXPECT_EQ(machine.identities.IdentityOf("E:\\a.txt"), data);
  EXPECT_EQ(machine.identities.IdentityOf("C:\\Other\\link.txt"), data);
  EXPECT_NE(machine.identities.IdentityOf("C:\\Other\\a.txt"), data);
  EXPECT_EQ(machine.identities.IdentityOf("C:\\none.txt"), std::nullopt);
}

TEST(FreePathIn, NumbersTheStemAndKeepsTheExtension) {
  const auto taken = [](const std::string& path) {
    return path == "C:\\j\\r.txt" || path == "C:\\j\\r (2).txt" || path == "C:\\j\\noext";
  };
  EXPECT_EQ(FreePathIn("C:\\j", "new.txt", taken), "C:\\j\\new.txt");
  EXPECT_EQ(FreePathIn("C:\\j\\", "r.txt", taken), "C:\\j\\r (3).txt");
  EXPECT_EQ(FreePathIn("C:\\j", "noext", taken), "C:\\j\\noext (2)");
}

}  // namespace
}  // namespace halvex::platform::substitute
