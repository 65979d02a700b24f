// Re-registering a folder's controls: which files are registered, how each run's exit code
// becomes the row's status, and Stop.
#include "tools/activex_reregister/control_registration.h"

#include <gtest/gtest.h>

#include "tests/support/scratch_machine.h"
#include "tests/tools/scripted_runner.h"

namespace halvex::tools::reregister {
namespace {

constexpr const char* kFolder = "C:\\Sys";

class ControlRegistration : public ::testing::Test {
 protected:
  ControlRegistration() {
    for (const char* name : {"a.dll", "b.OCX", "x.ocx.bak", "x.exe", "readme.txt"}) {
      machine.AddFile(std::string(kFolder) + "\\" + name);
    }
  }

  std::vector<RegistrationRow> Run(RegistrationHooks hooks = {}) {
    std::vector<RegistrationRow> rows;
    hooks.onRow = [&](const RegistrationRow& row) { rows.push_back(row); };
    EXPECT_TRUE(RegisterFolderControls(services, kFolder, hooks));
    return rows;
  }

  static std::vector<std::string> Paths(const std::vector<RegistrationRow>& rows) {
    std::vector<std::string> paths;
    for (const RegistrationRow& row : rows) paths.push_back(row.path);
    std::sort(paths.begin(), paths.end());
    return paths;
  }

  testing::ScratchMachine machine;
  testing::ScriptedRunner runner;
  RegistrationServices services{machine.files(), machine.locale, runner};
};

TEST_F(ControlRegistration, ThePathNotTheExtensionDecides) {
  const struct {
    const char* path;
    bool registered;
  } cases[] = {
      {"C:\\Sys\\a.dll", true},  {"C:\\Sys\\B.OCX", true},     {"C:\\Sys\\x.ocx.bak", true},
      {"C:\\Sys\\x.exe", false}, {"C:\\My.Dlls\\x.exe", true}, {"C:\\Sys\\dll", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsControlPath(machine.locale, c.path), c.registered) << c.path;
  }
}

TEST_F(ControlRegistration, EachFileIsRegisteredSilentlyAndItsExitCodeIsItsStatus) {
  runner.ExitWith("b.OCX", 5);
  runner.RefuseToStart("x.ocx.bak");
  const std::vector<RegistrationRow> rows = Run();
  EXPECT_EQ(Paths(rows),
            (std::vector<std::string>{"C:\\Sys\\a.dll", "C:\\Sys\\b.OCX", "C:\\Sys\\x.ocx.bak"}));
  for (const RegistrationRow& row : rows) {
    const RegistrationStatus expected = row.path.ends_with("a.dll") ? RegistrationStatus::Registered
                                        : row.path.ends_with("b.OCX")
                                            ? RegistrationStatus::Failed
                                            : RegistrationStatus::NotStarted;
    EXPECT_EQ(row.status, expected) << row.path;
  }
  EXPECT_EQ(StatusText(RegistrationStatus::Registered), "Re-register successfully");
  ASSERT_FALSE(runner.commands.empty());
  EXPECT_TRUE(std::find(runner.commands.begin(), runner.commands.end(),
                        "regsvr32.exe /s \"C:\\Sys\\a.dll\"") != runner.commands.end());
}

TEST_F(ControlRegistration, StopKeepsTheRowsSoFarAndStartsNoFurtherRegistration) {
  bool running = true;
  runner.whileRunning = [&] { running = false; };  // Stop pressed during the first run
  RegistrationHooks hooks;
  hooks.running = [&] { return running; };
  const std::vector<RegistrationRow> rows = Run(hooks);
  EXPECT_EQ(rows.size(), 1u);
  EXPECT_EQ(runner.commands.size(), 1u);
}

TEST_F(ControlRegistration, TheLoopLetsMessagesRunBetweenEntriesAndDuringEachRun) {
  int pumped = 0;
  RegistrationHooks hooks;
  hooks.pump = [&] { ++pumped; };
  Run(hooks);
  const std::size_t entries = machine.files().ListFolder(kFolder)->size();
  EXPECT_EQ(pumped, static_cast<int>(entries + runner.commands.size()));
}

TEST_F(ControlRegistration, AFolderThatCannotBeListedRegistersNothing) {
  EXPECT_FALSE(RegisterFolderControls(services, "C:\\Missing", {}));
  EXPECT_TRUE(runner.commands.empty());
}

}  // namespace
}  // namespace halvex::tools::reregister
