// Restores and full backups through the registry editor: the command lines, and success only
// when the editor says so and, for an export, the file is there.
#include "backup/registry_editor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/substitute/command_line_words.h"
#include "platform/substitute/substitute_registry_editor.h"
#include "tests/support/scratch_machine.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;

// Records the command lines; each run ends with `exitCode` after `effect` has run on the last
// word of the command line (the file).
class ScriptedRunner final : public platform::ProcessRunner {
 public:
  platform::ProcessExit RunHidden(std::string_view commandLine,
                                  const std::function<void()>& pump) override {
    commandLines.emplace_back(commandLine);
    if (pump) pump();
    if (effect) effect(platform::substitute::CommandLineWords(commandLine).back());
    return {started, exitCode};
  }
  std::vector<std::string> commandLines;
  bool started = true;
  std::uint32_t exitCode = 0;
  std::function<void(const std::string& lastWord)> effect;
};

TEST(RegistryEditorCommands, QuoteTheFile) {
  EXPECT_EQ(backup::RegistryImportCommand("C:\\Program Files\\Halvex\\RepairBackup\\_1.reg"),
            "Regedit /s \"C:\\Program Files\\Halvex\\RepairBackup\\_1.reg\"");
  EXPECT_EQ(backup::RegistryExportCommand("C:\\a b.reg"), "Regedit /E \"C:\\a b.reg\"");
}

TEST(ImportRegistryFile, SucceedsOnlyWithExitCodeZero) {
  ScriptedRunner runner;
  int pumps = 0;
  EXPECT_TRUE(backup::ImportRegistryFile(runner, "C:\\a.reg", [&] { ++pumps; }));
  EXPECT_EQ(pumps, 1) << "the wait lets messages through";
  runner.exitCode = 1;
  EXPECT_FALSE(backup::ImportRegistryFile(runner, "C:\\a.reg", {}));
  runner.started = false;
  runner.exitCode = 0;
  EXPECT_FALSE(backup::ImportRegistryFile(runner, "C:\\a.reg", {}));
  EXPECT_THAT(runner.commandLines,
              ElementsAre("Regedit /s \"C:\\a.reg\"", "Regedit /s \"C:\\a.reg\"",
                          "Regedit /s \"C:\\a.reg\""));
}

class FullBackup : public ::testing::Test {
 protected:
  void SetUp() override {
    machine.AddFolder("C:\\Program Files\\Halvex");
    machine.clock.SetNow({2024, 1, 31, 14, 25, 7, 0});
  }
  backup::FullBackupResult Export(platform::ProcessRunner& runner) {
    return backup::ExportFullRegistry(machine.platform(), runner, {});
  }

  ScratchMachine machine;
  const std::string path = "C:\\Program Files\\Halvex\\FullBackup\\Backup_20240131_142507.reg";
};

TEST_F(FullBackup, ExportsTheWholeRegistryIntoTheFullBackupFolder) {
  machine.SetDword("HKEY_CURRENT_USER\\Software\\App", "n", 5);
  platform::substitute::SubstituteRegistryEditor editor(machine.registry, machine.files(),
                                                        machine.registry.codePage());
  const backup::FullBackupResult result = Export(editor);
  EXPECT_TRUE(result.succeeded) << editor.lastError();
  EXPECT_EQ(result.path, path);
  EXPECT_NE(machine.Read(path).size(), 0u);

  const backup::FullBackupResult second = Export(editor);
  EXPECT_TRUE(second.succeeded);
  EXPECT_EQ(second.path, "C:\\Program Files\\Halvex\\FullBackup\\Backup_20240131_142507_2.reg")
      << "a backup of the same second does not replace the first";
}

TEST_F(FullBackup, FailsUnlessTheEditorEndedWellAndTheFileHoldsSomething) {
  struct Case {
    const char* what;
    bool started;
    std::uint32_t exitCode;
    const char* written;  // nullptr: no file
  };
  const Case cases[] = {
      {"the editor was not found", false, 0, nullptr},
      {"the editor failed", true, 1, "partial"},
      {"no file", true, 0, nullptr},
      {"an empty file", true, 0, ""},
  };
  for (const Case& c : cases) {
    ScriptedRunner runner;
    runner.started = c.started;
    runner.exitCode = c.exitCode;
    runner.effect = [&](const std::string& file) {
      if (c.written) {
        ASSERT_TRUE(machine.files().WriteFile(file, c.written));
      }
    };
    machine.clock.SetNow({2024, 2, 1, 0, 0, static_cast<int>(&c - cases), 0});
    const backup::FullBackupResult result = Export(runner);
    EXPECT_FALSE(result.succeeded) << c.what;
    ASSERT_EQ(runner.commandLines.size(), 1u);
    EXPECT_EQ(runner.commandLines[0], "Regedit /E \"" + result.path + "\"");
    if (c.written) {
      EXPECT_EQ(machine.Read(result.path), c.written) << c.what;
    }
  }
}

}  // namespace
}  // namespace halvex::testing
