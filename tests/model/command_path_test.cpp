#include "model/command_path.h"

#include <gtest/gtest.h>

#include "tests/support/scratch_machine.h"

namespace halvex::model {
namespace {

using platform::substitute::SystemFolders;

struct Case {
  const char* text;
  const char* expected;
};

class CommandPathTest : public ::testing::Test {
 protected:
  std::string Extract(std::string_view text, CommandPathVariant variant) {
    return ExtractCommandPath(machine.locale, machine.files(), text, variant);
  }

  testing::ScratchMachine machine;
};

TEST_F(CommandPathTest, CutsTheFilePathOutOfACommandLine) {
  const Case cases[] = {
      {"C:\\Program Files\\App\\uninst.exe /S", "C:\\Program Files\\App\\uninst.exe"},
      {"rundll32.exe C:\\WINDOWS\\x.dll,Entry", "C:\\WINDOWS\\x.dll"},  // before the drive
      {"C:\\App\\a.exe /log=D:\\x.log", "C:\\App\\a.exe"},              // a second path
      {"uninst.exe /S", "uninst.exe"},
      {"notepad %1", "notepad"},                    // no dot: the run starts at the first character
      {"\"C:\\App\\a.exe\" /S", "C:\\App\\a.exe"},  // the quote stands before the drive letter
      {"C:\\App\\My.Tool.exe -x", "C:\\App\\My.Tool.exe"},
      {"C:\\App\\setup_1.exe", "C:\\App\\setup_1.exe"},  // only the part after the dot is cut
      {"C:\\App\\a-b.exe(1)", "C:\\App\\a-b.exe"},
      {"C:\\a.bat D:\\x", "C:\\a.bat"},  // ".bat D" is longer than four: cut again
      {"C:\\a.b D:\\x", "C:\\a.b D"},    // ".b D" is four characters: kept as it is
      {"C:\\x D:\\y E:\\z", "C:\\x D"},  // the extension is empty: kept as it is
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Extract(c.text, CommandPathVariant::A), c.expected) << c.text;
  }
}

TEST_F(CommandPathTest, AnExistingFileIsTakenWhole) {
  machine.AddFile("C:\\App\\a-b.exe(1)");
  machine.AddFile("C:\\App\\two words.exe");
  EXPECT_EQ(Extract("C:\\App\\a-b.exe(1)", CommandPathVariant::A), "C:\\App\\a-b.exe(1)");
  EXPECT_EQ(Extract("\"C:\\App\\two words.exe\"", CommandPathVariant::B), "C:\\App\\two words.exe");
  EXPECT_EQ(Extract("\"C:\\App\\two words.exe\"", CommandPathVariant::A), "C:\\App\\two words.exe")
      << "A keeps the quotes, so the file test fails and the path is cut out";
}

TEST_F(CommandPathTest, VariantBUnwrapsResourceReferencesFirst) {
  const Case cases[] = {
      {"@%SystemRoot%\\system32\\shell32.dll,-2", "C:\\WINDOWS\\SYSTEM32\\SHELL32.DLL"},
      {"%systemroot%\\regedit.exe", "C:\\WINDOWS\\REGEDIT.EXE"},
      {"@C:\\App\\res.dll,-100", "C:\\App\\res.dll"},
      {"\"C:\\Program Files\\App\\app.exe\" -min", "C:\\Program Files\\App\\app.exe"},
      {"%windir%\\x.exe", "%windir%\\x.exe"},  // only %SystemRoot% is put in
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Extract(c.text, CommandPathVariant::B), c.expected) << c.text;
  }
  EXPECT_EQ(Extract("@%SystemRoot%\\system32\\shell32.dll,-2", CommandPathVariant::A),
            "@%SystemRoot%\\system32\\shell32.dll")
      << "A takes the text as it is: no colon, so nothing before a drive letter is dropped";
}

TEST(CommandPath, SystemRootIsTheFolderTheSystemNamesWhateverItsCase) {
  struct Folders {
    const char* windows;
    const char* system;
    const char* expected;
  };
  const Folders cases[] = {
      {"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\WINDOWS\\SYSTEM32\\SHELL32.DLL"},
      {"C:\\Windows", "C:\\Windows\\System32", "C:\\Windows\\SYSTEM32\\SHELL32.DLL"},
      {"D:\\WINNT", "D:\\WINNT\\system32", "D:\\WINNT\\SYSTEM32\\SHELL32.DLL"},
  };
  for (const Folders& c : cases) {
    testing::ScratchMachine machine(SystemFolders{c.windows, c.system}, {});
    EXPECT_EQ(ExtractCommandPath(machine.locale, machine.files(),
                                 "@%SystemRoot%\\system32\\shell32.dll,-2", CommandPathVariant::B),
              c.expected)
        << "Windows folder " << c.windows;
  }
}

TEST_F(CommandPathTest, CommandFileExistsTestsTheCutPath) {
  machine.AddFile("C:\\App\\uninst.exe");
  struct Exists {
    const char* text;
    bool expected;
  };
  const Exists cases[] = {
      {"C:\\App\\uninst.exe /S", true},
      {"c:\\app\\UNINST.EXE", true},  // the system's names compare without regard to case
      {"\"C:\\App\\uninst.exe\" /S", true},
      {"C:\\App\\other.exe /S", false},
      {"C:\\App /S", false},  // the folder is no file
  };
  for (const Exists& c : cases) {
    EXPECT_EQ(CommandFileExists(machine.locale, machine.files(), c.text), c.expected) << c.text;
  }
}

}  // namespace
}  // namespace halvex::model
