// The clean-up tools' shell and file identities, the same on every binding: a move into a
// folder never overwrites, a move without a folder changes nothing, a recycled file leaves its
// folder, and two paths to one file have one identity.
#include <gmock/gmock.h>

#include <cstdlib>

#include "tests/platform/files_scratch.h"

namespace halvex::testing {
namespace {

using ShellContract = FilesContract;

TEST_P(ShellContract, AMoveIntoAFolderKeepsTheFileOfTheSameNameThere) {
  for (const char* folder : {"junk", "a", "b"}) MakeFolder(folder);
  Write("junk\\readme.txt", "kept");
  Write("a\\readme.txt", "a");
  Write("b\\readme.txt", "b");
  EXPECT_TRUE(underTest().shell().MoveInto(Path("a\\readme.txt"), Path("junk")));
  EXPECT_TRUE(underTest().shell().MoveInto(Path("b\\readme.txt"), Path("junk")));
  EXPECT_EQ(Read("junk\\readme.txt"), "kept");
  EXPECT_EQ(Read("junk\\readme (2).txt"), "a");
  EXPECT_EQ(Read("junk\\readme (3).txt"), "b");
  EXPECT_FALSE(files().FileExists(Path("a\\readme.txt")));
}

TEST_P(ShellContract, AMoveWithoutAFolderChangesNothing) {
  Write("a.tmp", "a");
  EXPECT_FALSE(underTest().shell().MoveInto(Path("a.tmp"), ""));
  EXPECT_EQ(Read("a.tmp"), "a");
}

TEST_P(ShellContract, ARecycledFileLeavesItsFolder) {
  // Wine recycles into the trash of $XDG_DATA_HOME: only where a test run points it away from
  // the developer's own.
  if (GetParam().name == "Win32" && std::getenv("XDG_DATA_HOME") == nullptr) {
    GTEST_SKIP() << "XDG_DATA_HOME is not set to a trash of the build tree";
  }
  MakeFolder("old");
  Write("old\\a.tmp", "a");
  EXPECT_TRUE(underTest().shell().Recycle(Path("old\\a.tmp")));
  EXPECT_FALSE(files().FileExists(Path("old\\a.tmp")));
  EXPECT_TRUE(files().FolderExists(Path("old")));
}

TEST_P(ShellContract, TwoSpellingsOfOnePathHaveOneIdentityAndTwoFilesTwo) {
  MakeFolder("Data");
  MakeFolder("Other");
  Write("Data\\a.txt", "a");
  Write("Other\\a.txt", "a");
  platform::FileIdentities& identities = underTest().identities();
  const auto identity = identities.IdentityOf(Path("Data\\a.txt"));
  ASSERT_TRUE(identity);
  EXPECT_EQ(identities.IdentityOf(Path("Other\\..\\DATA\\A.TXT")), identity);
  EXPECT_NE(identities.IdentityOf(Path("Other\\a.txt")), identity);
  EXPECT_EQ(identities.IdentityOf(Path("none.txt")), std::nullopt);
}

HALVEX_RUN_ON_BINDINGS(ShellContract, FilesBindings);

}  // namespace
}  // namespace halvex::testing
