// What the substitute file system promises beyond the shared contract, which Wine cannot show:
// drives that are scripted or absent, paths that cannot leave a drive's folder, the overlay of
// attributes and times, read-only files that refuse every change, and the host's own names.
#include "platform/substitute/host_file_system.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "tests/platform/host_temp_folder.h"

namespace halvex::platform::substitute {
namespace {

namespace fs = std::filesystem;
namespace attribute = file_attribute;
using ::testing::ElementsAre;

void WriteHostFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> NamesOf(const std::optional<std::vector<FileEntry>>& entries) {
  std::vector<std::string> names;
  if (!entries) return {"<unlistable>"};
  for (const FileEntry& entry : *entries) names.push_back(entry.name);
  return names;
}

class HostFileSystemTest : public ::testing::Test {
 protected:
  fs::path Host(const std::string& below) const { return host_.path() / below; }
  HostFileSystem MakeFiles(std::vector<HostDrive> drives) {
    return HostFileSystem(std::move(drives), SystemFolders{});
  }
  HostFileSystem MakeFiles() { return MakeFiles({HostDrive{'C', Host("C")}}); }

  testing::HostTempFolder host_;
};

TEST_F(HostFileSystemTest, ParentDotsNeverLeaveTheDriveFolder) {
  WriteHostFile(Host("outside.txt"), "secret");
  WriteHostFile(Host("C/inside.txt"), "inside");
  HostFileSystem files = MakeFiles();
  EXPECT_FALSE(files.FileExists("C:\\..\\outside.txt"));
  EXPECT_EQ(files.ReadFile("C:\\..\\..\\outside.txt"), std::nullopt);
  EXPECT_EQ(files.ReadFile("C:\\..\\inside.txt"), "inside") << "the root's parent is the root";
  ASSERT_TRUE(files.WriteFile("C:\\..\\..\\written.txt", "x"));
  EXPECT_TRUE(fs::exists(Host("C/written.txt")));
  EXPECT_FALSE(fs::exists(Host("written.txt")));
  EXPECT_THAT(NamesOf(files.ListFolder("C:\\..")), ElementsAre("inside.txt", "written.txt"));
}

TEST_F(HostFileSystemTest, DrivesHaveTheirScriptedTypeAndSpace) {
  HostFileSystem files = MakeFiles({
      HostDrive{'C', Host("C"), DriveType::Fixed, {100, 1000}},
      HostDrive{'d', Host("D"), DriveType::CdRom, {0, 650}},
      HostDrive{'E', Host("E"), DriveType::Removable, {1, 2}},
      HostDrive{'F', Host("F"), DriveType::Remote, {3, 4}},
      HostDrive{'G', Host("G"), DriveType::RamDisk, {5, 6}},
  });
  struct Case {
    const char* root;
    DriveType type;
    std::uint64_t free, total;
  };
  const Case cases[] = {{"C:\\", DriveType::Fixed, 100, 1000}, {"d:\\", DriveType::CdRom, 0, 650},
                        {"D:", DriveType::CdRom, 0, 650},      {"e:/", DriveType::Removable, 1, 2},
                        {"F:\\", DriveType::Remote, 3, 4},     {"G:\\", DriveType::RamDisk, 5, 6}};
  for (const Case& c : cases) {
    EXPECT_EQ(files.GetDriveType(c.root), c.type) << c.root;
    const std::optional<DiskSpace> space = files.GetDiskSpace(c.root);
    ASSERT_TRUE(space.has_value()) << c.root;
    EXPECT_EQ(space->freeBytes, c.free) << c.root;
    EXPECT_EQ(space->totalBytes, c.total) << c.root;
  }
  EXPECT_EQ(files.GetDriveType("C:\\WINDOWS\\"), DriveType::NoRootDir) << "no drive root";
  EXPECT_EQ(files.GetDriveType(""), DriveType::NoRootDir);
}

TEST_F(HostFileSystemTest, AnUnconfiguredDriveDoesNotExist) {
  HostFileSystem files = MakeFiles();
  EXPECT_EQ(files.GetDriveType("Q:\\"), DriveType::NoRootDir);
  EXPECT_EQ(files.GetDiskSpace("Q:\\"), std::nullopt);
  EXPECT_FALSE(files.FolderExists("Q:\\"));
  EXPECT_FALSE(files.FileExists("Q:\\x.txt"));
  EXPECT_FALSE(files.WriteFile("Q:\\x.txt", "x"));
  EXPECT_FALSE(files.CreateFolder("Q:\\Dir"));
  EXPECT_EQ(files.ListFolder("Q:\\"), std::nullopt);
}

TEST_F(HostFileSystemTest, ADriveWithoutItsFolderIsEmptyUntilWrittenTo) {
  HostFileSystem files = MakeFiles({HostDrive{'C', Host("C")}, HostDrive{'D', Host("D")}});
  ASSERT_FALSE(fs::exists(Host("D")));
  EXPECT_TRUE(files.FolderExists("D:\\"));
  EXPECT_EQ(files.Attributes("D:\\"), attribute::kDirectory);
  EXPECT_THAT(NamesOf(files.ListFolder("D:\\")), ElementsAre());
  EXPECT_FALSE(files.CreateFolder("D:\\Missing\\Child"));
  ASSERT_TRUE(files.WriteFile("D:\\first.txt", "x"));
  EXPECT_TRUE(fs::exists(Host("D/first.txt")));
}

TEST_F(HostFileSystemTest, TheDriveRootListsNoDotEntries) {
  WriteHostFile(Host("C/b.txt"), "");
  WriteHostFile(Host("C/A.txt"), "");
  fs::create_directories(Host("C/WINDOWS"));
  HostFileSystem files = MakeFiles();
  EXPECT_THAT(NamesOf(files.ListFolder("C:\\")), ElementsAre("A.txt", "b.txt", "WINDOWS"));
  EXPECT_THAT(NamesOf(files.ListFolder("C:\\WINDOWS")), ElementsAre(".", ".."));
}

TEST_F(HostFileSystemTest, TheOverlayKeepsAttributesTheHostCannot) {
  WriteHostFile(Host("C/file.sys"), "x");
  fs::create_directories(Host("C/Folder"));
  HostFileSystem files = MakeFiles();
  EXPECT_EQ(files.Attributes("C:\\file.sys"), attribute::kArchive) << "a file until told otherwise";
  EXPECT_EQ(files.Attributes("C:\\Folder"), attribute::kDirectory);
  struct Case {
    std::uint32_t set, file, folder;
  };
  const Case cases[] = {
      {attribute::kHidden | attribute::kSystem, attribute::kHidden | attribute::kSystem,
       attribute::kDirectory | attribute::kHidden | attribute::kSystem},
      {attribute::kReadOnly | attribute::kTemporary | attribute::kArchive,
       attribute::kReadOnly | attribute::kTemporary | attribute::kArchive,
       attribute::kDirectory | attribute::kReadOnly | attribute::kTemporary | attribute::kArchive},
      {attribute::kCompressed | attribute::kDirectory, attribute::kCompressed,  // host's folder bit
       attribute::kDirectory | attribute::kCompressed},
      {attribute::kNormal, attribute::kNormal, attribute::kDirectory},
      {0, attribute::kNormal, attribute::kDirectory},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(files.SetAttributes("C:\\FILE.SYS", c.set));
    ASSERT_TRUE(files.SetAttributes("c:\\folder\\", c.set));
    EXPECT_EQ(files.Attributes("C:\\file.sys"), c.file) << "set " << c.set;
    EXPECT_EQ(files.Attributes("C:\\Folder"), c.folder) << "set " << c.set;
  }
  EXPECT_FALSE(files.SetAttributes("C:\\absent.sys", attribute::kHidden));
  EXPECT_FALSE(files.SetTimes("C:\\absent.sys", 1, 2));
}

TEST_F(HostFileSystemTest, AttributesTravelWithTheFile) {
  HostFileSystem files = MakeFiles();
  ASSERT_TRUE(files.WriteFile("C:\\a.tmp", "a"));
  ASSERT_TRUE(files.SetAttributes("C:\\a.tmp", attribute::kHidden));
  ASSERT_TRUE(files.CopyFile("C:\\a.tmp", "C:\\copy.tmp", true));
  EXPECT_EQ(files.Attributes("C:\\copy.tmp"), attribute::kHidden);
  ASSERT_TRUE(files.ReplaceFile("C:\\a.tmp", "C:\\moved.tmp"));
  EXPECT_EQ(files.Attributes("C:\\moved.tmp"), attribute::kHidden);
  ASSERT_TRUE(files.DeleteFile("C:\\moved.tmp"));
  ASSERT_TRUE(files.WriteFile("C:\\moved.tmp", "new"));
  EXPECT_EQ(files.Attributes("C:\\moved.tmp"), attribute::kArchive) << "a new file, a new start";
  // A folder takes the overlay of everything below it along.
  ASSERT_TRUE(files.CreateFolder("C:\\Dir"));
  ASSERT_TRUE(files.WriteFile("C:\\Dir\\inner.dat", "x"));
  ASSERT_TRUE(files.SetAttributes("C:\\Dir\\inner.dat", attribute::kSystem));
  ASSERT_TRUE(files.ReplaceFile("C:\\Dir", "C:\\Renamed"));
  EXPECT_EQ(files.Attributes("C:\\Renamed\\inner.dat"), attribute::kSystem);
}

TEST_F(HostFileSystemTest, ReadOnlyFilesRefuseEveryChange) {
  HostFileSystem files = MakeFiles();
  ASSERT_TRUE(files.WriteFile("C:\\locked.ini", "keep"));
  ASSERT_TRUE(files.WriteFile("C:\\other.ini", "other"));
  ASSERT_TRUE(files.SetAttributes("C:\\locked.ini", attribute::kReadOnly));
  EXPECT_FALSE(files.WriteFile("C:\\locked.ini", "changed"));
  EXPECT_FALSE(files.AppendFile("C:\\locked.ini", "more"));
  EXPECT_FALSE(files.DeleteFile("C:\\locked.ini"));
  EXPECT_FALSE(files.CopyFile("C:\\other.ini", "C:\\locked.ini", false));
  EXPECT_FALSE(files.ReplaceFile("C:\\other.ini", "C:\\locked.ini"));
  EXPECT_EQ(files.ReadFile("C:\\locked.ini"), "keep");
  EXPECT_EQ(files.ReadFile("C:\\other.ini"), "other");
  // A read-only source may still be copied and moved.
  EXPECT_TRUE(files.CopyFile("C:\\locked.ini", "C:\\copy.ini", false));
  EXPECT_TRUE(files.ReplaceFile("C:\\locked.ini", "C:\\moved.ini"));
  EXPECT_EQ(files.Attributes("C:\\moved.ini"), attribute::kReadOnly);
}

TEST_F(HostFileSystemTest, TimesAreTheHostsUntilSet) {
  WriteHostFile(Host("C/a.txt"), "x");
  const auto hostTime = fs::last_write_time(Host("C/a.txt"));
  HostFileSystem files = MakeFiles();
  const auto entries = files.ListFolder("C:\\");
  ASSERT_TRUE(entries.has_value());
  ASSERT_EQ(entries->size(), 1u);
  const FileEntry& entry = entries->front();
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                           std::chrono::file_clock::to_sys(hostTime).time_since_epoch())
                           .count();
  EXPECT_EQ(entry.lastWriteTime / 10'000'000, static_cast<FileTime>(seconds) + 11644473600ull);
  EXPECT_EQ(entry.creationTime, entry.lastWriteTime);

  const FileTime created = 128929988960000000ull, written = 128930000000000000ull;
  ASSERT_TRUE(files.SetTimes("C:\\A.TXT", created, written));
  auto changed = files.ListFolder("C:\\");
  ASSERT_TRUE(changed.has_value());
  EXPECT_EQ(changed->front().creationTime, created);
  EXPECT_EQ(changed->front().lastWriteTime, written);
  // Writing is a new last write; the creation stays.
  ASSERT_TRUE(files.WriteFile("C:\\a.txt", "y"));
  changed = files.ListFolder("C:\\");
  ASSERT_TRUE(changed.has_value());
  EXPECT_EQ(changed->front().creationTime, created);
  EXPECT_NE(changed->front().lastWriteTime, written);
}

TEST_F(HostFileSystemTest, ReplaceStaysOnItsDriveAndTakesTheCaseGiven) {
  HostFileSystem files = MakeFiles({HostDrive{'C', Host("C")}, HostDrive{'D', Host("D")}});
  ASSERT_TRUE(files.WriteFile("C:\\name.txt", "x"));
  EXPECT_FALSE(files.ReplaceFile("C:\\name.txt", "D:\\name.txt")) << "no move across drives";
  EXPECT_TRUE(files.FileExists("C:\\name.txt"));
  ASSERT_TRUE(files.ReplaceFile("C:\\name.txt", "C:\\NAME.TXT"));
  EXPECT_THAT(NamesOf(files.ListFolder("C:\\")), ElementsAre("NAME.TXT"));
  EXPECT_FALSE(files.ReplaceFile("C:\\", "C:\\root")) << "the root cannot move";
}

TEST_F(HostFileSystemTest, CodePageNamesAreUtf8OnTheHost) {
  HostFileSystem files = MakeFiles();
  ASSERT_TRUE(files.WriteFile("C:\\Caf\xE9.txt", "x"));  // Café in Windows-1252
  EXPECT_TRUE(fs::exists(host_.path() / fs::path(u8"C/Caf\u00E9.txt")));
  EXPECT_TRUE(files.FileExists("C:\\CAF\xC9.TXT")) << "É is the capital of é";
  WriteHostFile(host_.path() / fs::path(u8"C/\u20AC.txt"), "");
  EXPECT_TRUE(files.FileExists("C:\\\x80.txt"));
#ifndef _WIN32
  WriteHostFile(Host("C/bad\xFF.txt"), "");  // no UTF-8: the machine cannot name it
  EXPECT_THAT(NamesOf(files.ListFolder("C:\\")), ElementsAre("Caf\xE9.txt", "\x80.txt"));
#endif
}

#ifndef _WIN32
TEST_F(HostFileSystemTest, HostNamesDifferingOnlyInCaseResolveTheSameWayEveryTime) {
  WriteHostFile(Host("C/readme.txt"), "lower");
  WriteHostFile(Host("C/README.TXT"), "upper");
  HostFileSystem files = MakeFiles();
  EXPECT_EQ(files.ReadFile("C:\\readme.txt"), "lower") << "the exact name first";
  EXPECT_EQ(files.ReadFile("C:\\README.TXT"), "upper");
  EXPECT_EQ(files.ReadFile("C:\\ReadMe.txt"), "upper") << "then the first in byte order";
}
#endif

TEST_F(HostFileSystemTest, SystemFoldersTakeTheSystemsBackslashes) {
  HostFileSystem files(
      {HostDrive{'C', Host("C")}},
      SystemFolders{"C:\\WINNT\\", "C:\\WINNT\\System32\\", "C:\\Temp", "D:\\Tools\\Halvex"});
  EXPECT_EQ(files.WindowsFolder(), "C:\\WINNT");
  EXPECT_EQ(files.SystemFolder(), "C:\\WINNT\\System32");
  EXPECT_EQ(files.TempFolder(), "C:\\Temp\\");
  EXPECT_EQ(files.ProgramFolder(), "D:\\Tools\\Halvex\\");
}

TEST_F(HostFileSystemTest, HostPathNamesTheEntryInItsHostCase) {
  WriteHostFile(Host("C/Dir/File.TXT"), "");
  HostFileSystem files = MakeFiles();
  EXPECT_EQ(files.HostPath("c:\\dir\\file.txt"), Host("C/Dir/File.TXT"));
  EXPECT_EQ(files.HostPath("C:\\Dir\\absent.txt"), std::nullopt);
}

}  // namespace
}  // namespace halvex::platform::substitute
