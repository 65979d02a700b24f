// How every file system binding takes Windows paths, and what it says about drives and the
// system's folders.
#include <gmock/gmock.h>

#include "tests/platform/files_scratch.h"

namespace halvex::testing {
namespace {

using FilesPathsContract = FilesContract;
using ::testing::ElementsAre;

TEST_P(FilesPathsContract, NamesCompareWithoutCaseAndKeepTheirCase) {
  Write("MixedCase.Txt", "first");
  MakeFolder("SubFolder");
  Write("SubFolder\\Inner.txt", "inner");
  EXPECT_TRUE(files().FileExists(Path("MIXEDCASE.TXT")));
  EXPECT_EQ(files().ReadFile(Path("mixedcase.txt")), "first");
  EXPECT_TRUE(files().FileExists(Path("subfolder\\INNER.TXT")));
  Write("MIXEDCASE.TXT", "second");  // the same file, not a second one
  EXPECT_EQ(Read("MixedCase.Txt"), "second");
  EXPECT_THAT(Names(folder()), ElementsAre(".", "..", "MixedCase.Txt", "SubFolder"));
  EXPECT_TRUE(files().DeleteFile(Path("mixedCASE.txt")));
  EXPECT_THAT(Names(folder()), ElementsAre(".", "..", "SubFolder"));
}

TEST_P(FilesPathsContract, TakesPathFormsAsTheSystemDoes) {
  MakeFolder("Sub");
  Write("Sub\\a.txt", "a");
  struct Case {
    std::string below;
    bool file, folder;
  };
  const Case cases[] = {
      {"Sub\\", false, true},         // a folder with a trailing backslash
      {"Sub/a.txt", true, false},     // forward slashes separate too
      {"Sub\\\\a.txt", true, false},  // repeated separators count once
      {".\\Sub\\.\\a.txt", true, false},
      {"Sub\\..\\Sub\\a.txt", true, false},
      {"Absent\\..\\Sub\\a.txt", true, false},  // ".." goes by the text
      {"Sub\\a.txt\\", false, false},           // a file cannot end with a separator
      {"Sub\\a.txt ", true, false},             // the last name loses trailing blanks...
      {"Sub\\a.txt.", true, false},             // ...and dots
      {"Sub\\a?.txt", false, false},            // a character no name may hold
  };
  for (const Case& c : cases) {
    EXPECT_EQ(files().FileExists(Path(c.below)), c.file) << c.below;
    EXPECT_EQ(files().FolderExists(Path(c.below)), c.folder) << c.below;
  }
  std::string forward = folder();
  for (char& ch : forward) {
    if (ch == '\\') ch = '/';
  }
  EXPECT_TRUE(files().FolderExists(forward));
}

TEST_P(FilesPathsContract, OverlongPathsNameNothing) {
  const std::string longName(300, 'n');
  EXPECT_FALSE(files().WriteFile(Path(longName), "x"));
  EXPECT_FALSE(files().FileExists(Path(longName)));
  EXPECT_FALSE(files().CreateFolder(Path(longName)));
}

TEST_P(FilesPathsContract, TheSystemDriveIsFixedAndHasSpace) {
  const std::string root = files().SystemFolder().substr(0, 3);
  ASSERT_EQ(root.substr(1), ":\\") << "the system folder is " << files().SystemFolder();
  EXPECT_EQ(files().GetDriveType(root), platform::DriveType::Fixed);
  const auto space = files().GetDiskSpace(root);
  ASSERT_TRUE(space.has_value());
  EXPECT_GT(space->totalBytes, 0u);
  EXPECT_LE(space->freeBytes, space->totalBytes);
  EXPECT_TRUE(files().FolderExists(root));
}

TEST_P(FilesPathsContract, SystemFoldersFollowTheirBackslashRules) {
  const std::string windows = files().WindowsFolder();
  const std::string system = files().SystemFolder();
  const std::string temp = files().TempFolder();
  const std::string program = files().ProgramFolder();
  for (const std::string* folder : {&windows, &system}) {
    ASSERT_GT(folder->size(), 3u);
    EXPECT_NE(folder->back(), '\\') << *folder;
    EXPECT_TRUE(files().FolderExists(*folder)) << *folder;
  }
  for (const std::string* folder : {&temp, &program}) {
    ASSERT_GT(folder->size(), 3u);
    EXPECT_EQ(folder->back(), '\\') << *folder;
  }
  EXPECT_TRUE(files().FolderExists(temp)) << temp;
  EXPECT_EQ(system.rfind(windows + "\\", 0), 0u) << system << " lies below " << windows;
}

HALVEX_RUN_ON_BINDINGS(FilesPathsContract, FilesBindings);

}  // namespace
}  // namespace halvex::testing
