// The platform file system, checked the same way on every binding: files against folders,
// whole-file reads and writes, the changes the logic makes, listings and attributes.
#include <gmock/gmock.h>

#include "tests/platform/files_scratch.h"

namespace halvex::testing {
namespace {

namespace file_attribute = platform::file_attribute;
using ::testing::ElementsAre;

TEST_P(FilesContract, ExistsTellsFilesFromFolders) {
  Write("file.txt", "x");
  MakeFolder("Folder");
  EXPECT_TRUE(files().FileExists(Path("file.txt")));
  EXPECT_FALSE(files().FolderExists(Path("file.txt")));
  EXPECT_TRUE(files().FolderExists(Path("Folder")));
  EXPECT_FALSE(files().FileExists(Path("Folder")));
  for (const char* absent : {"absent.txt", "absent\\deeper.txt", "file.txt\\below.txt"}) {
    EXPECT_FALSE(files().FileExists(Path(absent))) << absent;
    EXPECT_FALSE(files().FolderExists(Path(absent))) << absent;
    EXPECT_EQ(files().Attributes(Path(absent)), std::nullopt) << absent;
  }
}

TEST_P(FilesContract, WritesReadsAndAppendsWholeFiles) {
  const std::string binary("\x00\x01\xFF\r\n\x1A end", 9);
  Write("data.bin", binary);
  EXPECT_EQ(Read("data.bin"), binary);
  Write("data.bin", "ab");  // a shorter text leaves nothing of the longer one
  EXPECT_EQ(Read("data.bin"), "ab");
  ASSERT_TRUE(files().AppendFile(Path("data.bin"), "cd"));
  EXPECT_EQ(Read("data.bin"), "abcd");
  ASSERT_TRUE(files().AppendFile(Path("new.log"), "first line\r\n"));
  EXPECT_EQ(Read("new.log"), "first line\r\n");
  Write("empty.txt", "");
  EXPECT_EQ(files().ReadFile(Path("empty.txt")), std::string());
}

TEST_P(FilesContract, RefusesToReadOrWriteWhatIsNoFile) {
  MakeFolder("Folder");
  EXPECT_EQ(files().ReadFile(Path("absent.txt")), std::nullopt);
  EXPECT_EQ(files().ReadFile(Path("Folder")), std::nullopt);
  EXPECT_FALSE(files().WriteFile(Path("Folder"), "x"));
  EXPECT_FALSE(files().AppendFile(Path("Folder"), "x"));
  EXPECT_FALSE(files().WriteFile(Path("absent\\file.txt"), "x"));
  EXPECT_FALSE(files().AppendFile(Path("absent\\file.txt"), "x"));
  EXPECT_TRUE(files().FolderExists(Path("Folder")));
  EXPECT_FALSE(files().FolderExists(Path("absent")));
}

TEST_P(FilesContract, CreatesFoldersOnceAndOnlyBelowAFolder) {
  EXPECT_TRUE(files().CreateFolder(Path("New")));
  EXPECT_TRUE(files().FolderExists(Path("New")));
  EXPECT_FALSE(files().CreateFolder(Path("New"))) << "a folder that exists";
  EXPECT_FALSE(files().CreateFolder(Path("Missing\\Child"))) << "a parent that is missing";
  Write("file.txt", "x");
  EXPECT_FALSE(files().CreateFolder(Path("file.txt"))) << "a file of that name";
  EXPECT_TRUE(files().CreateFolder(Path("New\\Child\\"))) << "a trailing backslash";
  EXPECT_TRUE(files().FolderExists(Path("New\\Child")));
}

TEST_P(FilesContract, DeletesFilesButNotFolders) {
  Write("file.txt", "x");
  MakeFolder("Folder");
  EXPECT_TRUE(files().DeleteFile(Path("file.txt")));
  EXPECT_FALSE(files().FileExists(Path("file.txt")));
  EXPECT_FALSE(files().DeleteFile(Path("file.txt"))) << "a file already gone";
  EXPECT_FALSE(files().DeleteFile(Path("Folder")));
  EXPECT_TRUE(files().FolderExists(Path("Folder")));
}

TEST_P(FilesContract, CopiesAndOverwritesOnlyWhenAllowed) {
  Write("source.txt", "source");
  Write("target.txt", "target");
  EXPECT_TRUE(files().CopyFile(Path("source.txt"), Path("copy.txt"), true));
  EXPECT_EQ(Read("copy.txt"), "source");
  EXPECT_EQ(Read("source.txt"), "source");
  EXPECT_FALSE(files().CopyFile(Path("source.txt"), Path("target.txt"), true));
  EXPECT_EQ(Read("target.txt"), "target");
  EXPECT_TRUE(files().CopyFile(Path("source.txt"), Path("target.txt"), false));
  EXPECT_EQ(Read("target.txt"), "source");
  EXPECT_FALSE(files().CopyFile(Path("absent.txt"), Path("other.txt"), false));
  EXPECT_FALSE(files().FileExists(Path("other.txt")));
  EXPECT_FALSE(files().CopyFile(Path("source.txt"), Path("absent\\copy.txt"), false));
}

TEST_P(FilesContract, ReplaceMovesTheFileOverItsTarget) {
  Write("new.tmp", "new content");
  Write("file.dat", "old content");
  ASSERT_TRUE(files().ReplaceFile(Path("new.tmp"), Path("file.dat")));
  EXPECT_EQ(Read("file.dat"), "new content");
  EXPECT_FALSE(files().FileExists(Path("new.tmp")));
  // A target that does not exist yet is simply the new name.
  ASSERT_TRUE(files().ReplaceFile(Path("file.dat"), Path("renamed.dat")));
  EXPECT_EQ(Read("renamed.dat"), "new content");
  EXPECT_FALSE(files().FileExists(Path("file.dat")));
  EXPECT_FALSE(files().ReplaceFile(Path("absent.tmp"), Path("renamed.dat")));
  EXPECT_EQ(Read("renamed.dat"), "new content");
}

TEST_P(FilesContract, ListsAFolderWithItsDotEntries) {
  Write("file.txt", "12345");
  MakeFolder("Sub");
  MakeFolder("Empty");
  const auto entries = files().ListFolder(folder());
  ASSERT_TRUE(entries.has_value());
  std::map<std::string, platform::FileEntry> byName;
  for (const platform::FileEntry& entry : *entries) byName[entry.name] = entry;
  ASSERT_EQ(byName.size(), 5u) << "expected ., .., Empty, file.txt and Sub";
  for (const char* name : {".", "..", "Sub", "Empty"}) {
    ASSERT_TRUE(byName.count(name)) << name;
    EXPECT_NE(byName[name].attributes & file_attribute::kDirectory, 0u) << name;
  }
  ASSERT_TRUE(byName.count("file.txt"));
  EXPECT_EQ(byName["file.txt"].attributes & file_attribute::kDirectory, 0u);
  EXPECT_EQ(byName["file.txt"].size, 5u);
  EXPECT_NE(byName["file.txt"].lastWriteTime, 0u);

  EXPECT_THAT(Names(Path("Empty")), ElementsAre(".", ".."));
  EXPECT_THAT(Names(folder() + "\\"), ElementsAre(".", "..", "Empty", "Sub", "file.txt"));
  EXPECT_EQ(files().ListFolder(Path("absent")), std::nullopt);
  EXPECT_EQ(files().ListFolder(Path("file.txt")), std::nullopt);
}

TEST_P(FilesContract, AttributesTellFoldersAndKeepWhatIsSet) {
  Write("file.txt", "x");
  MakeFolder("Folder");
  ASSERT_TRUE(files().Attributes(Path("Folder")).has_value());
  EXPECT_NE(*files().Attributes(Path("Folder")) & file_attribute::kDirectory, 0u);
  ASSERT_TRUE(files().Attributes(Path("file.txt")).has_value());
  EXPECT_EQ(*files().Attributes(Path("file.txt")) & file_attribute::kDirectory, 0u);

  const std::uint32_t hiddenSystem = file_attribute::kHidden | file_attribute::kSystem;
  ASSERT_TRUE(underTest().SetAttributes(Path("file.txt"), hiddenSystem));
  EXPECT_EQ(files().Attributes(Path("file.txt")).value_or(0) & hiddenSystem, hiddenSystem);
  // A listing shows the same bits, and rewriting the file keeps them.
  Write("file.txt", "rewritten");
  EXPECT_EQ(files().Attributes(Path("file.txt")).value_or(0) & hiddenSystem, hiddenSystem);
  const auto entries = files().ListFolder(folder());
  ASSERT_TRUE(entries.has_value());
  for (const platform::FileEntry& entry : *entries) {
    if (entry.name == "file.txt") {
      EXPECT_EQ(entry.attributes & hiddenSystem, hiddenSystem);
    }
  }
  ASSERT_TRUE(underTest().SetAttributes(Path("file.txt"), file_attribute::kNormal));
  EXPECT_EQ(files().Attributes(Path("file.txt")).value_or(0) & hiddenSystem, 0u);
}

TEST_P(FilesContract, ReadOnlyFilesAreNotDeleted) {
  Write("locked.txt", "keep");
  ASSERT_TRUE(underTest().SetAttributes(Path("locked.txt"), file_attribute::kReadOnly));
  EXPECT_NE(files().Attributes(Path("locked.txt")).value_or(0) & file_attribute::kReadOnly, 0u);
  EXPECT_FALSE(files().DeleteFile(Path("locked.txt")));
  EXPECT_EQ(Read("locked.txt"), "keep");
  ASSERT_TRUE(underTest().SetAttributes(Path("locked.txt"), file_attribute::kNormal));
  EXPECT_TRUE(files().DeleteFile(Path("locked.txt")));
}

HALVEX_RUN_ON_BINDINGS(FilesContract, FilesBindings);

}  // namespace
}  // namespace halvex::testing
