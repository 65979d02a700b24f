// The substitute machine's registry editor: the command lines it understands, what it imports
// and exports, and the exit codes that say how it went.
#include "platform/substitute/substitute_registry_editor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/substitute/command_line_words.h"
#include "platform/substitute/reg_file_reader.h"
#include "tests/platform/registry_dump.h"
#include "tests/support/scratch_machine.h"

namespace halvex::testing {
namespace {

using platform::substitute::CommandLineWords;
using ::testing::ElementsAre;

TEST(CommandLineWords, SplitsAtBlanksAndGroupsQuotes) {
  struct Case {
    const char* line;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"", {}},
      {"Regedit /s \"C:\\My files\\a.reg\"", {"Regedit", "/s", "C:\\My files\\a.reg"}},
      {"  Regedit   /E\tC:\\a.reg  ", {"Regedit", "/E", "C:\\a.reg"}},
      {"a \"\" b", {"a", "", "b"}},
      {"x\"y z\"w", {"xy zw"}},
  };
  for (const Case& c : cases) EXPECT_EQ(CommandLineWords(c.line), c.words) << c.line;
}

class SubstituteRegistryEditor : public ::testing::Test {
 protected:
  platform::ProcessExit Run(std::string_view commandLine) {
    return editor.RunHidden(commandLine, [this] { ++pumps; });
  }
  std::string Dump() {
    return DumpRegistry(machine.registry, platform::RootKey::CurrentUser, "Software");
  }

  ScratchMachine machine;
  platform::substitute::SubstituteRegistryEditor editor{machine.registry, machine.files(),
                                                        machine.registry.codePage()};
  int pumps = 0;
};

TEST_F(SubstituteRegistryEditor, ImportsAFile) {
  machine.AddFile("C:\\My files\\a.reg",
                  "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\App]\r\n\"n\"=dword:00000005\r\n");
  const platform::ProcessExit exit = Run("Regedit /s \"C:\\My files\\a.reg\"");
  EXPECT_TRUE(exit.started);
  EXPECT_EQ(exit.exitCode, 0u) << editor.lastError();
  EXPECT_TRUE(exit.succeeded());
  EXPECT_EQ(Dump(), ".\nApp\nApp: 'n' = 4 '\\x05\\0\\0\\0'\n");
}

TEST_F(SubstituteRegistryEditor, ExportsTheWholeRegistryAndOneKey) {
  machine.SetDword("HKEY_CURRENT_USER\\Software\\App", "n", 5);
  machine.SetDword("HKEY_LOCAL_MACHINE\\SOFTWARE\\Other", "m", 6);
  ASSERT_TRUE(Run("regedit.exe /E C:\\all.reg").succeeded()) << editor.lastError();
  ASSERT_TRUE(
      Run("C:\\WINDOWS\\REGEDIT -e C:\\app.reg HKEY_CURRENT_USER\\Software\\App").succeeded())
      << editor.lastError();

  const std::string all = machine.Read("C:\\all.reg");
  EXPECT_EQ(all.substr(0, 2), "\xFF\xFE") << "exported as the NT family's editor does";
  const auto parsed = platform::substitute::ParseRegFile(all, machine.registry.codePage());
  ASSERT_TRUE(parsed.ok()) << parsed.error().message;
  std::vector<std::string> keys;
  for (const auto& operation : parsed.operations()) {
    if (operation.kind == platform::substitute::RegFileOperationKind::SetValue) {
      keys.push_back(operation.FullKeyPath() + " " + operation.valueName);
    }
  }
  EXPECT_THAT(keys, ElementsAre("HKEY_CURRENT_USER\\Software\\App n",
                                "HKEY_LOCAL_MACHINE\\SOFTWARE\\Other m"));

  const auto app =
      platform::substitute::ParseRegFile(machine.Read("C:\\app.reg"), machine.registry.codePage());
  ASSERT_TRUE(app.ok());
  EXPECT_EQ(app.operations().front().FullKeyPath(), "HKEY_CURRENT_USER\\Software\\App");
}

TEST_F(SubstituteRegistryEditor, ReportsFailuresWithExitCodeOne) {
  machine.AddFile("C:\\bad.reg",
                  "REGEDIT 4\r\n[HKEY_CURRENT_USER\\Software\\App]\r\n\"a\"=dword:1\r\n");
  struct Case {
    const char* what;
    const char* commandLine;
  };
  const Case cases[] = {
      {"a file that does not exist", "Regedit /s C:\\none.reg"},
      {"a file without a header line: nothing of it is imported", "Regedit /s C:\\bad.reg"},
      {"an export to a folder that does not exist", "Regedit /E C:\\none\\x.reg"},
      {"an export of a key that does not exist", "Regedit /E C:\\x.reg HKEY_CURRENT_USER\\None"},
      {"a switch it does not know", "Regedit /q C:\\bad.reg"},
      {"no file", "Regedit /s"},
  };
  for (const Case& c : cases) {
    const platform::ProcessExit exit = Run(c.commandLine);
    EXPECT_TRUE(exit.started) << c.what;
    EXPECT_EQ(exit.exitCode, 1u) << c.what;
    EXPECT_FALSE(editor.lastError().empty()) << c.what;
  }
  EXPECT_EQ(Dump(), "<cannot open Software: 2>\n") << "nothing was imported";
  EXPECT_EQ(machine.Read("C:\\x.reg"), "<missing>");
}

TEST_F(SubstituteRegistryEditor, ImportsWhatTheEditorImportsAndListsTheLinesItSkips) {
  machine.AddFile("C:\\mixed.reg",
                  "REGEDIT4\r\n"
                  "[HKEY_CURRENT_USER\\Software\\App]\r\n"
                  "\"a\"=dword:1\r\n"
                  "\"nine\"=dword:123456789\r\n"
                  "\"b\"=hex:zz\r\n"
                  "[ -HKEY_CURRENT_USER\\Software\\App]\r\n"
                  "\"c\"=\"3\"\r\n"
                  "[HKEY_CURRENT_USERS\\Software\\App]\r\n"
                  "\"lost\"=\"x\"\r\n"
                  "[HKEY_CURRENT_USER\\Software\\App\\Sub\\]\r\n"
                  "\"d\"=\"4\"\r\n");
  const platform::ProcessExit exit = Run("Regedit /s C:\\mixed.reg");
  EXPECT_EQ(exit.exitCode, 0u) << editor.lastError();
  EXPECT_EQ(Dump(),
            ".\n"
            "App\n"
            "App: 'a' = 4 '\\x01\\0\\0\\0'\n"
            "App: 'c' = 1 '3\\0'\n"
            "App\\Sub\n"
            "App\\Sub: 'd' = 1 '4\\0'\n");
  std::vector<std::size_t> lines;
  for (const std::string& skipped : editor.skippedLines()) {
    EXPECT_TRUE(skipped.starts_with("C:\\mixed.reg:")) << skipped;
    lines.push_back(std::stoul(skipped.substr(skipped.find(':', 3) + 1)));
  }
  EXPECT_THAT(lines, ElementsAre(4, 5, 6, 8, 9));
}

TEST_F(SubstituteRegistryEditor, OtherProgramsAreNotFound) {
  for (const char* line : {"", "notepad C:\\a.reg", "regedit32 /s C:\\a.reg"}) {
    EXPECT_FALSE(Run(line).started) << line;
  }
}

}  // namespace
}  // namespace halvex::testing
