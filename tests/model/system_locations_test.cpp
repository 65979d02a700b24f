// The folders asked of the platform, and the path variables that stand for them.
#include "model/system_locations.h"

#include <gtest/gtest.h>

#include "model/path_variables.h"
#include "model/registry_object.h"
#include "platform/substitute/substitute_shell_links.h"
#include "tests/support/scratch_machine.h"

namespace halvex::model {
namespace {

using platform::substitute::SystemFolders;

constexpr std::string_view kCurrentVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

void SetCurrentVersionValue(platform::Registry& registry, std::string_view name,
                            std::string_view text) {
  RegistryObject key(registry);
  key.SetRootKey(RootKey::LocalMachine);
  ASSERT_TRUE(key.OpenKey(kCurrentVersion, true));
  ASSERT_TRUE(key.WriteString(name, text));
}

TEST(SystemLocations, ProgramFilesFoldersComeFromTheRegistry) {
  testing::ScratchMachine machine;
  EXPECT_EQ(ReadProgramFilesDir(machine.registry, ProgramFilesKind::ProgramFiles), "");
  RegistryObject probe(machine.registry);
  probe.SetRootKey(RootKey::LocalMachine);
  EXPECT_FALSE(probe.KeyExists(kCurrentVersion)) << "reading never creates the key";

  SetCurrentVersionValue(machine.registry, "ProgramFilesDir", "C:\\Program Files");
  EXPECT_EQ(ReadProgramFilesDir(machine.registry, ProgramFilesKind::ProgramFiles),
            "C:\\Program Files");
  EXPECT_EQ(ReadProgramFilesDir(machine.registry, ProgramFilesKind::CommonFiles), "")
      << "the value is missing";
  SetCurrentVersionValue(machine.registry, "CommonFilesDir", "C:\\Program Files\\Common Files");
  EXPECT_EQ(ReadProgramFilesDir(machine.registry, ProgramFilesKind::CommonFiles),
            "C:\\Program Files\\Common Files");
}

TEST(SystemLocations, WindowsFolderIsTheOneTheSystemNames) {
  struct Case {
    const char* windows;
    const char* system;
    const char* expected;
  };
  const Case cases[] = {
      {"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\WINDOWS\\"},
      {"C:\\Windows", "C:\\Windows\\System32", "C:\\Windows\\"},  // not C:\WINNT\ by its case
      {"D:\\WINNT", "D:\\WINNT\\system32", "D:\\WINNT\\"},
      {"C:\\", "C:\\system32", "C:\\"},  // a root keeps its one backslash
      {"", "", ""},                      // the platform names none
  };
  for (const Case& c : cases) {
    testing::ScratchMachine machine(SystemFolders{c.windows, c.system}, {});
    EXPECT_EQ(GuessWindowsFolder(machine.files()), c.expected) << c.windows;
  }
}

TEST(SystemLocations, DriveRootsAndProfileFolderStartWithTheSystemsDrive) {
  testing::ScratchMachine machine(
      SystemFolders{"D:\\WINNT", "D:\\WINNT\\system32", "E:\\Temp\\", "C:\\Halvex\\"}, {});
  EXPECT_EQ(GetTempDriveRoot(machine.files()), "E:\\");
  EXPECT_EQ(GetAllUsersProfileDir(machine.files()), "D:\\Documents and Settings\\All Users");
}

TEST(SystemLocations, ShortcutTargetIsEmptyForAFileThatIsNoShortcut) {
  testing::ScratchMachine machine;
  machine.AddFile("C:\\Links\\broken.lnk", "not a shortcut");
  platform::substitute::SubstituteShellLinks links(machine.files());
  EXPECT_EQ(GetShortcutTarget(links, "C:\\Links\\broken.lnk"), "");
  EXPECT_EQ(GetShortcutTarget(links, "C:\\Links\\missing.lnk"), "");
}

class PathVariablesTest : public ::testing::Test {
 protected:
  PathVariablesTest() : machine(SystemFolders{"C:\\Windows", "C:\\Windows\\System32"}) {}
  std::string Expand(std::string_view text) {
    return ExpandPathVariables(machine.locale, machine.files(), machine.registry, text);
  }

  testing::ScratchMachine machine;
};

TEST_F(PathVariablesTest, VariablesBecomeTheUpperCasedFolders) {
  SetCurrentVersionValue(machine.registry, "ProgramFilesDir", "C:\\Program Files");
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"%windir%\\notepad.exe", "C:\\WINDOWS\\NOTEPAD.EXE"},
      {"%SystemRoot%\\system32\\a.dll", "C:\\WINDOWS\\SYSTEM32\\A.DLL"},
      {"%ProgramFiles%\\App\\a.exe", "C:\\PROGRAM FILES\\APP\\A.EXE"},
      {"%windir%\\a.exe;%WINDIR%\\b.exe", "C:\\WINDOWS\\A.EXE;C:\\WINDOWS\\B.EXE"},
      {"%SystemRoot%\\x %ProgramFiles%\\y", "C:\\WINDOWS\\X C:\\PROGRAM FILES\\Y"},
      {"C:\\a.exe", "C:\\a.exe"},
      {"c:\\Mixed Case\\a.exe", "c:\\Mixed Case\\a.exe"},  // unchanged: no variable
      {"%temp%\\a.exe", "%temp%\\a.exe"},
  };
  for (const Case& c : cases) EXPECT_EQ(Expand(c.text), c.expected) << c.text;
}

TEST_F(PathVariablesTest, AMissingProgramFilesSettingMakesTheVariableDisappear) {
  EXPECT_EQ(Expand("%ProgramFiles%\\App\\a.exe"), "\\APP\\A.EXE");
}

TEST_F(PathVariablesTest, TheProgramFilesSettingIsReadOnlyWhenTheVariableOccurs) {
  // A setting of the wrong type cannot be read as text; only texts that need it meet that.
  const std::uint8_t number[] = {1, 0, 0, 0};
  platform::KeyHandle handle;
  ASSERT_EQ(machine.registry.CreateKey(platform::RootHandle(RootKey::LocalMachine), kCurrentVersion,
                                       handle),
            platform::RegStatus::Ok);
  ASSERT_EQ(
      machine.registry.SetValue(handle, "ProgramFilesDir", platform::reg_type::kDword, number),
      platform::RegStatus::Ok);
  machine.registry.CloseKey(handle);

  EXPECT_EQ(Expand("%windir%\\a.exe"), "C:\\WINDOWS\\A.EXE");
  EXPECT_THROW(Expand("%ProgramFiles%\\a.exe"), RegistryError);
}

class PathToTestTest : public PathVariablesTest {
 protected:
  std::optional<std::string> Resolve(std::string_view text) {
    return PathToTest(machine.locale, machine.files(), machine.registry, text);
  }
};

TEST_F(PathToTestTest, QuotesGoAndKnownVariablesArePutInWithoutRegardToCase) {
  SetCurrentVersionValue(machine.registry, "ProgramFilesDir", "C:\\Program Files");
  SetCurrentVersionValue(machine.registry, "CommonFilesDir", "C:\\Program Files\\Common Files");
  struct Case {
    const char* text;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"C:\\App\\a.exe", "C:\\App\\a.exe"},
      {"\"C:\\App\\a b.exe\"", "C:\\App\\a b.exe"},
      {"%systemroot%\\System32\\a.dll", "C:\\Windows\\System32\\a.dll"},
      {"\"%SystemRoot%\\System32\\a.exe\" /s", "C:\\Windows\\System32\\a.exe /s"},
      {"%WINDIR%\\Help", "C:\\Windows\\Help"},
      {"%ProgramFiles%\\App\\a.exe", "C:\\Program Files\\App\\a.exe"},
      {"%programfiles%\\App\\a.exe", "C:\\Program Files\\App\\a.exe"},
      {"%CommonProgramFiles%\\System\\a.dll", "C:\\Program Files\\Common Files\\System\\a.dll"},
      {"%SystemDrive%\\Tools\\a.exe", "C:\\Tools\\a.exe"},
      {"%windir%\\a.exe;%SYSTEMROOT%\\b.exe", "C:\\Windows\\a.exe;C:\\Windows\\b.exe"},
      {"%TEMP%\\a.exe", std::nullopt},  // a variable the program does not know
      {"%SystemRoot%\\%USERNAME%.ini", std::nullopt},
      {"C:\\50% off\\a.exe", std::nullopt},  // a lone percent sign
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Resolve(c.text), c.expected) << c.text;
}

TEST_F(PathToTestTest, AVariableWithoutItsSettingLeavesThePathUntested) {
  EXPECT_EQ(Resolve("%ProgramFiles%\\App\\a.exe"), std::nullopt) << "no ProgramFilesDir";
  EXPECT_EQ(Resolve("%CommonProgramFiles%\\a.dll"), std::nullopt) << "no CommonFilesDir";
  const std::uint8_t number[] = {1, 0, 0, 0};
  platform::KeyHandle handle;
  ASSERT_EQ(machine.registry.CreateKey(platform::RootHandle(RootKey::LocalMachine), kCurrentVersion,
                                       handle),
            platform::RegStatus::Ok);
  ASSERT_EQ(
      machine.registry.SetValue(handle, "ProgramFilesDir", platform::reg_type::kDword, number),
      platform::RegStatus::Ok);
  machine.registry.CloseKey(handle);
  EXPECT_EQ(Resolve("%ProgramFiles%\\App\\a.exe"), std::nullopt) << "a setting that is no text";
}

TEST(PathToTest, AWindowsFolderAtADriveRootGivesOneBackslash) {
  testing::ScratchMachine machine(SystemFolders{"C:\\", "C:\\system32"});
  EXPECT_EQ(PathToTest(machine.locale, machine.files(), machine.registry, "%windir%\\a.exe"),
            "C:\\a.exe");
}

}  // namespace
}  // namespace halvex::model
