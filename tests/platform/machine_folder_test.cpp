// Loading a substitute machine from a machine folder: what the machine answers, where its
// changes go, and the error, with file and line, for each way a folder can be wrong.
#include "platform/substitute/machine_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/substitute/civil_time.h"
#include "tests/platform/host_temp_folder.h"

namespace halvex::platform::substitute {
namespace {

namespace fs = std::filesystem;
namespace attribute = file_attribute;
using ::testing::HasSubstr;

#ifdef _WIN32
// The Windows tests run under Wine, whose prefix has no drive for the source tree; Wine reaches
// host paths through this prefix.
const fs::path kFixtures = fs::path("\\\\?\\unix") += HALVEX_FIXTURES_DIR;
#else
const fs::path kFixtures = HALVEX_FIXTURES_DIR;
#endif
const fs::path kWindows98 = kFixtures / "machines" / "windows98";

void WriteHostFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string StringValue(Registry& registry, RootKey root, std::string_view path,
                        std::string_view name) {
  KeyHandle key;
  if (registry.OpenKey(RootHandle(root), path, KeyAccess::Read, key) != RegStatus::Ok) {
    return "<no key>";
  }
  RegValue value;
  const RegStatus status = ReadWholeValue(registry, key, name, value);
  registry.CloseKey(key);
  if (status != RegStatus::Ok) return "<no value>";
  return std::string(value.data.begin(), value.data.end());
}

std::unique_ptr<SubstituteMachine> Load(const fs::path& folder, const fs::path& working = {}) {
  MachineFolderResult result = LoadMachineFolder(folder, working);
  if (!result.ok()) {
    ADD_FAILURE() << result.error().Describe();
    return nullptr;
  }
  return result.TakeMachine();
}

TEST(MachineFolderTest, TheMachineAnswersWhatItsFolderSays) {
  const std::unique_ptr<SubstituteMachine> machine = Load(kWindows98);
  ASSERT_NE(machine, nullptr);
  EXPECT_EQ(machine->facts().platformClass, PlatformClass::Windows95Family);
  EXPECT_EQ(machine->facts().majorVersion, 4u);
  EXPECT_EQ(machine->facts().minorVersion, 10u);

  Platform platform = machine->platform();
  FileSystem& files = platform.files;
  EXPECT_EQ(files.WindowsFolder(), "C:\\WINDOWS");
  EXPECT_EQ(files.SystemFolder(), "C:\\WINDOWS\\SYSTEM");
  EXPECT_EQ(files.TempFolder(), "C:\\WINDOWS\\TEMP\\");
  EXPECT_EQ(files.ProgramFolder(), "C:\\Program Files\\Halvex\\");
  EXPECT_TRUE(files.FolderExists(files.TempFolder())) << "made, though drives/C lacks it";
  EXPECT_TRUE(files.FolderExists(files.ProgramFolder())) << "made, though drives/C lacks it";
  EXPECT_TRUE(files.FileExists("c:\\windows\\system\\shell32.dll"));
  EXPECT_TRUE(files.FileExists("D:\\setup\\SETUP.EXE")) << "drives/d is drive D:";
  EXPECT_EQ(files.ReadFile("D:\\autorun.inf"), "[autorun]\r\nopen=SETUP\\setup.exe\r\n");

  EXPECT_EQ(files.GetDriveType("A:\\"), DriveType::Removable);
  EXPECT_EQ(files.GetDriveType("C:\\"), DriveType::Fixed);
  EXPECT_EQ(files.GetDriveType("D:\\"), DriveType::CdRom);
  EXPECT_EQ(files.GetDriveType("E:\\"), DriveType::NoRootDir);
  EXPECT_TRUE(files.FolderExists("A:\\")) << "listed without a folder: there, and empty";
  const auto floppy = files.ListFolder("A:\\");
  ASSERT_TRUE(floppy.has_value());
  EXPECT_TRUE(floppy->empty());
  const std::optional<DiskSpace> space = files.GetDiskSpace("C:\\");
  ASSERT_TRUE(space.has_value());
  EXPECT_EQ(space->freeBytes, 1000000u);
  EXPECT_EQ(space->totalBytes, 2000000u);

  EXPECT_EQ(files.Attributes("C:\\WINDOWS\\VXD.SYS"), attribute::kHidden | attribute::kSystem);
  EXPECT_EQ(files.Attributes("D:\\SETUP"), attribute::kDirectory | attribute::kReadOnly);
  EXPECT_EQ(files.Attributes("C:\\WINDOWS\\SYSTEM\\SHELL32.DLL"), attribute::kArchive);
  const auto tools = files.ListFolder("C:\\Program Files\\Tools");
  ASSERT_TRUE(tools.has_value());
  ASSERT_EQ(tools->size(), 3u);
  const FileEntry& tool = tools->back();
  EXPECT_EQ(tool.name, "Tool.exe");
  EXPECT_EQ(tool.attributes, attribute::kReadOnly);
  EXPECT_EQ(tool.size, 6u);
  EXPECT_EQ(tool.creationTime, FieldsToFileTime({1999, 12, 31, 23, 0, 0, 0}));
  EXPECT_EQ(tool.lastWriteTime, FieldsToFileTime({2000, 1, 1, 0, 0, 0, 0}));

  EXPECT_EQ(StringValue(platform.registry, RootKey::LocalMachine,
                        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir"),
            std::string("C:\\Program Files\0", 17));
  EXPECT_EQ(StringValue(platform.registry, RootKey::CurrentUser, "Software\\Halvex", "SelectAll"),
            std::string("1\0", 2));

  EXPECT_EQ(platform.locale.CodePage(), 1252u);
  EXPECT_EQ(platform.clock.Now(), (LocalTime{2001, 6, 15, 9, 30, 0, 0}));
  EXPECT_EQ(platform.clock.FileTimeToLocal(*FieldsToFileTime({2000, 1, 1, 0, 0, 0, 0})),
            (LocalTime{2000, 1, 1, 2, 0, 0, 0}))
      << "two hours east of UTC";
  // The shortcut reader reads through the machine's own drives.
  EXPECT_EQ(platform.links.ShortcutTarget("C:\\WINDOWS\\vxd.sys"), "");
  EXPECT_EQ(&platform.links, &machine->links());
}

TEST(MachineFolderTest, ChangesStayInTheWorkingCopyWhichGoesWithTheMachine) {
  testing::HostTempFolder working;
  std::unique_ptr<SubstituteMachine> machine = Load(kWindows98, working.path());
  ASSERT_NE(machine, nullptr);
  const fs::path workingFolder = machine->workingFolder();
  EXPECT_EQ(workingFolder.parent_path(), working.path());
  ASSERT_TRUE(machine->files().WriteFile("C:\\WINDOWS\\new.txt", "x"));
  ASSERT_TRUE(machine->files().DeleteFile("D:\\AUTORUN.INF"));
  EXPECT_FALSE(fs::exists(kWindows98 / "drives" / "C" / "WINDOWS" / "new.txt"));
  EXPECT_TRUE(fs::exists(kWindows98 / "drives" / "d" / "AUTORUN.INF"));
  EXPECT_TRUE(fs::exists(workingFolder / "C" / "WINDOWS" / "new.txt"));
  machine.reset();
  EXPECT_FALSE(fs::exists(workingFolder));
}

TEST(MachineFolderTest, AFolderWithARegistryAloneHasTheDefaults) {
  testing::HostTempFolder folder;
  WriteHostFile(folder.path() / "registry.reg", "REGEDIT4\r\n");
  const std::unique_ptr<SubstituteMachine> machine = Load(folder.path());
  ASSERT_NE(machine, nullptr);
  EXPECT_EQ(machine->facts().platformClass, PlatformClass::NtFamily);
  EXPECT_EQ(machine->facts().majorVersion, 6u);
  EXPECT_EQ(machine->facts().minorVersion, 1u);
  HostFileSystem& files = machine->files();
  EXPECT_EQ(files.WindowsFolder(), "C:\\WINDOWS");
  EXPECT_EQ(files.SystemFolder(), "C:\\WINDOWS\\system32");
  EXPECT_EQ(files.TempFolder(), "C:\\WINDOWS\\TEMP\\");
  EXPECT_EQ(files.ProgramFolder(), "C:\\Program Files\\Halvex\\");
  EXPECT_TRUE(files.FolderExists("C:\\WINDOWS\\system32"));
  EXPECT_EQ(files.GetDriveType("C:\\"), DriveType::Fixed);
  EXPECT_EQ(files.GetDriveType("D:\\"), DriveType::NoRootDir);
  EXPECT_EQ(machine->locale().CodePage(), 1252u);
  EXPECT_EQ(machine->clock().Now(), kDefaultNow);
}

TEST(MachineFolderTest, FilesKeepTheTimesOfTheirFolder) {
  testing::HostTempFolder folder;
  WriteHostFile(folder.path() / "registry.reg", "REGEDIT4\r\n");
  WriteHostFile(folder.path() / "drives" / "C" / "old" / "file.txt", "x");
  const auto stamp = std::chrono::file_clock::from_sys(
      std::chrono::sys_seconds{std::chrono::seconds{1052179200}});  // 2003-05-06 00:00:00 UTC
  fs::last_write_time(folder.path() / "drives" / "C" / "old" / "file.txt", stamp);
#ifndef _WIN32
  fs::last_write_time(folder.path() / "drives" / "C" / "old", stamp);  // Windows refuses it
#endif
  const std::unique_ptr<SubstituteMachine> machine = Load(folder.path());
  ASSERT_NE(machine, nullptr);
  const FileTime expected = *FieldsToFileTime({2003, 5, 6, 0, 0, 0, 0});
  const auto root = machine->files().ListFolder("C:\\");
  ASSERT_TRUE(root.has_value());
  ASSERT_FALSE(root->empty());
  EXPECT_EQ(root->front().name, "old");
#ifndef _WIN32
  EXPECT_EQ(root->front().lastWriteTime, expected);
#endif
  const auto old = machine->files().ListFolder("C:\\old");
  ASSERT_TRUE(old.has_value());
  ASSERT_EQ(old->size(), 3u);
  EXPECT_EQ(old->back().lastWriteTime, expected);
}

TEST(MachineFolderTest, CodePage936MakesADoubleByteMachine) {
  testing::HostTempFolder folder;
  WriteHostFile(folder.path() / "registry.reg", "REGEDIT4\r\n");
  WriteHostFile(folder.path() / "machine.ini", "[machine]\r\ncodepage=936\r\n");
  const std::unique_ptr<SubstituteMachine> machine = Load(folder.path());
  ASSERT_NE(machine, nullptr);
  EXPECT_EQ(machine->locale().CodePage(), 936u);
  EXPECT_TRUE(machine->locale().IsLeadByte('\x81'));
  EXPECT_EQ(&machine->registry().codePage(), &CodePage::Windows936());
}

struct ErrorCase {
  const char* what;
  std::vector<std::pair<std::string, std::string>> files;  // below the machine folder
  std::string file;                                        // the file the error names
  std::size_t line;
  std::string message;  // a part of the message
};

const char kNoRegistry[] = "<none>";

TEST(MachineFolderTest, EachErrorNamesItsFileAndLine) {
  const ErrorCase cases[] = {
      {"no registry", {{"registry.reg", kNoRegistry}}, "registry.reg", 0, "is missing"},
      {"registry header", {{"registry.reg", "REGEDIT 4\r\n"}}, "registry.reg", 1, ""},
      {"registry value outside a key",
       {{"registry.reg", "REGEDIT4\r\n\r\n\"orphan\"=\"x\"\r\n"}},
       "registry.reg",
       3,
       ""},
      {"registry line 5",
       {{"registry.reg",
         "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\"ok\"=\"x\"\r\n\"v\"=hex:zz\r\n"}},
       "registry.reg",
       5,
       ""},
      {"registry key path beginning with a backslash, after a key it would have written",
       {{"registry.reg", "REGEDIT4\r\n[HKEY_CURRENT_USER\\A]\r\n[HKEY_CURRENT_USER\\\\b]\r\n"}},
       "registry.reg",
       3,
       "empty key name"},
      {"ini line without =",
       {{"machine.ini", "[machine]\nplatform\n"}},
       "machine.ini",
       2,
       "key=value"},
      {"ini unknown key",
       {{"machine.ini", "[machine]\n\nplatfrom=nt\n"}},
       "machine.ini",
       3,
       "unknown key 'platfrom'"},
      {"ini platform", {{"machine.ini", "[machine]\nplatform=xp\n"}}, "machine.ini", 2, "xp"},
      {"ini version", {{"machine.ini", "[machine]\nversion=6\n"}}, "machine.ini", 2, "major.minor"},
      {"ini code page", {{"machine.ini", "[machine]\ncodepage=850\n"}}, "machine.ini", 2, "850"},
      {"ini now",
       {{"machine.ini", "[machine]\nnow=2026-02-30 00:00:00\n"}},
       "machine.ini",
       2,
       "2026-02-30"},
      {"ini offset",
       {{"machine.ini", "[machine]\nutcoffset=+-5\n"}},
       "machine.ini",
       2,
       "utcoffset"},
      {"ini before a section",
       {{"machine.ini", "; settings\nplatform=nt\n"}},
       "machine.ini",
       2,
       "before any section"},
      {"ini unknown section", {{"machine.ini", "[machines]\n"}}, "machine.ini", 1, "[machines]"},
      {"ini open section", {{"machine.ini", "[machine\n"}}, "machine.ini", 1, "']'"},
      {"ini key twice",
       {{"machine.ini", "[machine]\r\nplatform=nt\r\nPLATFORM=9x\r\n"}},
       "machine.ini",
       3,
       "twice"},
      {"ini drive type", {{"machine.ini", "[drives]\nC=floppy\n"}}, "machine.ini", 2, "floppy"},
      {"ini drive space",
       {{"machine.ini", "[drives]\nC=fixed,free=10,total=5\n"}},
       "machine.ini",
       2,
       "larger"},
      {"ini drive item",
       {{"machine.ini", "[drives]\nC=fixed,size=5\n"}},
       "machine.ini",
       2,
       "size=5"},
      {"ini drive name", {{"machine.ini", "[drives]\nCD=fixed\n"}}, "machine.ini", 2, "one letter"},
      {"ini drive twice",
       {{"machine.ini", "[drives]\nC=fixed\nc=cdrom\n"}},
       "machine.ini",
       3,
       "twice"},
      {"ini default folder off the drives",
       {{"machine.ini", "[machine]\n[drives]\nD=fixed\n"}},
       "machine.ini",
       2,
       "C:\\WINDOWS"},
      {"ini folder off the drives",
       {{"machine.ini", "[machine]\nplatform=nt\ntemp=E:\\TEMP\n"}},
       "machine.ini",
       3,
       "drive E:"},
      {"ini relative folder",
       {{"machine.ini", "[machine]\nwindows=WINDOWS\n"}},
       "machine.ini",
       2,
       "full path"},
      {"ini NUL", {{"machine.ini", std::string("[machine]\n\0\n", 12)}}, "machine.ini", 2, "NUL"},
      {"unreadable ini", {{"machine.ini/", ""}}, "machine.ini", 0, "cannot be read"},
      {"unlisted drive folder", {{"drives/D/", ""}}, "drives/D", 0, "does not list"},
      {"no drive folder", {{"drives/readme.txt", "x"}}, "drives/readme.txt", 0, "one folder per"},
      {"attributes of nothing",
       {{"attributes.ini", "; overrides\nC:\\absent.sys=hidden\n"}},
       "attributes.ini",
       2,
       "C:\\absent.sys"},
      {"attributes flag",
       {{"attributes.ini", "C:\\WINDOWS=hiden\n"}},
       "attributes.ini",
       1,
       "hiden"},
      {"attributes time",
       {{"attributes.ini", "C:\\WINDOWS=created=yesterday\n"}},
       "attributes.ini",
       1,
       "yesterday"},
      {"attributes section", {{"attributes.ini", "[files]\n"}}, "attributes.ini", 1, "sections"},
  };
  std::vector<ErrorCase> all(std::begin(cases), std::end(cases));
#ifndef _WIN32
  // Only a host that tells case apart can hold both.
  all.push_back(
      {"drive twice", {{"drives/C/", ""}, {"drives/c/", ""}}, "drives/", 0, "second folder"});
#endif
  for (const ErrorCase& c : all) {
    SCOPED_TRACE(c.what);
    testing::HostTempFolder folder, working;
    bool registryGiven = false;
    for (const auto& [below, bytes] : c.files) {
      registryGiven |= below == "registry.reg";
      if (below.back() == '/') {
        fs::create_directories(folder.path() / below);
      } else if (bytes != kNoRegistry) {
        WriteHostFile(folder.path() / below, bytes);
      }
    }
    if (!registryGiven) WriteHostFile(folder.path() / "registry.reg", "REGEDIT4\r\n");
    MachineFolderResult result = LoadMachineFolder(folder.path(), working.path());
    ASSERT_FALSE(result.ok()) << "loaded without an error";
    const MachineFolderError& error = result.error();
    const std::string file = error.file.lexically_relative(folder.path()).generic_string();
    if (c.file.back() == '/') {
      EXPECT_EQ(file.substr(0, c.file.size()), c.file) << error.Describe();
    } else {
      EXPECT_EQ(file, c.file) << error.Describe();
    }
    EXPECT_EQ(error.line, c.line) << error.Describe();
    EXPECT_THAT(error.message, HasSubstr(c.message));
    EXPECT_TRUE(fs::is_empty(working.path())) << "a working folder outlived the failed load";
  }
}

TEST(MachineFolderTest, AMissingFolderIsAnError) {
  testing::HostTempFolder parent;
  const MachineFolderResult result = LoadMachineFolder(parent.path() / "absent");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error().file, parent.path() / "absent");
  EXPECT_THAT(result.error().message, HasSubstr("no such folder"));
}

TEST(MachineFolderTest, ErrorsDescribeThemselvesWithFileAndLine) {
  EXPECT_EQ((MachineFolderError{"M/machine.ini", 3, "unknown key 'x' in [machine]"}.Describe()),
            "M/machine.ini:3: unknown key 'x' in [machine]");
  EXPECT_EQ((MachineFolderError{"M/registry.reg", 0, "is missing"}.Describe()),
            "M/registry.reg: is missing");
}

}  // namespace
}  // namespace halvex::platform::substitute
