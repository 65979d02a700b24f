// The protected-path test and the removal modes every clean-up tool shares.
#include <gtest/gtest.h>

#include "tests/tools/cleanup_fixture.h"
#include "tools/cleanup/file_removal.h"
#include "tools/cleanup/fixed_drives.h"
#include "tools/cleanup/protected_paths.h"

namespace halvex::tools::cleanup {
namespace {

class CleanupTest : public ::testing::Test, protected testing::CleanupFixture {};

TEST_F(CleanupTest, ProtectsRootsSystemAndProfileFoldersAndTheProgramsOwnFolder) {
  const ProtectedPaths protection(services);
  struct Case {
    const char* path;
    bool isProtected;
  } const cases[] = {
      {"C:", true},
      {"c:\\", true},
      {"C:\\windows", true},
      {"C:\\WINDOWS\\", true},
      {"C:\\WINDOWS\\system32", true},
      {"C:\\WINDOWS\\a.txt", false},
      {"C:\\Documents and Settings", true},
      {"c:\\documents and settings\\someone else\\", true},
      {"C:\\Documents and Settings\\User\\Desktop", true},
      {"C:\\Documents and Settings\\User\\My Documents", true},
      {"C:\\Documents and Settings\\User\\Desktop\\a.tmp", false},
      {"C:\\Program Files\\Halvex", true},
      {"C:\\PROGRAM FILES\\HALVEX\\RepairBackup\\_20260115_120000.reg", true},
      {"C:\\Program Files\\Halvex2\\a.tmp", false},
      {"C:\\Temp\\b.tmp", false},
      {"", true},
  };
  for (const Case& c : cases) EXPECT_EQ(protection.Protects(c.path), c.isProtected) << c.path;
}

TEST_F(CleanupTest, EachModeReportsARefusalAndAProtectedPathNeverReachesTheSystem) {
  const ProtectedPaths protection(services);
  machine.AddFile("C:\\Temp\\x.tmp");
  machine.AddFile("C:\\Temp\\y.tmp");
  machine.AddFile("C:\\Temp\\z.tmp");
  machine.AddFolder("C:\\Junk");
  machine.shell.Refuse("C:\\Temp\\y.tmp");
  EXPECT_FALSE(RemoveFile(services, protection, RemovalMode::Recycle, "C:\\Temp\\y.tmp"));
  EXPECT_FALSE(
      RemoveFile(services, protection, RemovalMode::MoveInto, "C:\\Temp\\y.tmp", "C:\\Junk"));
  EXPECT_FALSE(RemoveFile(services, protection, RemovalMode::Delete, "C:\\Temp\\b.tmp"))
      << "a read-only file refuses";
  EXPECT_FALSE(RemoveFile(services, protection, RemovalMode::MoveInto, "C:\\Temp\\x.tmp", ""))
      << "no folder chosen";
  const std::size_t shellCalls = machine.shell.calls().size();
  for (RemovalMode mode : {RemovalMode::Delete, RemovalMode::Recycle, RemovalMode::MoveInto}) {
    EXPECT_FALSE(RemoveFile(services, protection, mode, "C:\\Program Files\\Halvex\\readme.txt",
                            "C:\\Junk"));
  }
  EXPECT_EQ(machine.shell.calls().size(), shellCalls) << "the shell was asked";
  EXPECT_TRUE(machine.files().FileExists("C:\\Program Files\\Halvex\\readme.txt"));
  EXPECT_TRUE(RemoveFile(services, protection, RemovalMode::Delete, "C:\\Temp\\x.tmp"));
  EXPECT_TRUE(
      RemoveFile(services, protection, RemovalMode::MoveInto, "C:\\Temp\\z.tmp", "C:\\Junk"));
  EXPECT_TRUE(machine.files().FileExists("C:\\Junk\\z.tmp"));
}

TEST_F(CleanupTest, OnlyFixedDrivesAreListedWithTheShellsNames) {
  testing::ScratchMachine small{{},
                                {{'C', platform::DriveType::Fixed},
                                 {'D', platform::DriveType::Removable},
                                 {'F', platform::DriveType::Fixed}}};
  CleanupServices smallServices{small.platform(), small.shell, small.identities};
  const auto ids = [](const std::vector<FixedDrive>& drives) {
    std::string text;
    for (const FixedDrive& drive : drives) text += drive.id + "=" + drive.displayName + ";";
    return text;
  };
  EXPECT_EQ(ids(ListFixedDrives(smallServices, false)), "C:=Local Disk (C:);F:=Local Disk (F:);");
  EXPECT_EQ(ids(ListFixedDrives(smallServices, true)), "C:=Local Disk (C:);F:=Local Disk (F:);");
}

}  // namespace
}  // namespace halvex::tools::cleanup
