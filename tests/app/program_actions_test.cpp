// The program's own steps: the update check at start-up and from the tray, and the preferences
// from the main window's button, over the substitute machine and a scripted update server.
#include "app/startup/program_actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/options/options_form.h"
#include "app/startup/startup.h"
#include "tests/support/substitute_program.h"

namespace halvex::testing {
namespace {

constexpr const char* kSettingsKeyPath = "HKEY_CURRENT_USER\\Software\\Halvex";
constexpr const char* kVersionUrl = "http://updates.test/update/Update.ini";

class ProgramActionsTest : public ::testing::Test, protected SubstituteProgram {
 protected:
  ProgramActionsTest() {
    machine.AddFolder("C:\\WINDOWS");
    machine.AddFile("C:\\Program Files\\Halvex\\Halvex.exe", "MZ");
    // A second start: the stored defaults have the update check on.
    machine.SetString(kSettingsKeyPath, "CheckUpdate", "1");
  }

  std::optional<app::RunningProgram> Start() { return app::StartProgram(programServices, ""); }
};

TEST_F(ProgramActionsTest, AStartThatFindsANewerVersionEndsOnceTheUpdaterStarted) {
  server.Serve(kVersionUrl, "[Version]\r\nVer=3.1\r\n");
  messages.AnswerNext(platform::MessageAnswer::Yes);
  EXPECT_FALSE(Start().has_value());
  EXPECT_TRUE(windows.terminated());
  ASSERT_EQ(processes.started().size(), 1u);
  EXPECT_EQ(processes.started()[0].file, "C:\\Program Files\\Halvex\\HalvoUpdate.exe");
}

TEST_F(ProgramActionsTest, AStartWhoseUpdaterDoesNotStartGoesOn) {
  server.Serve(kVersionUrl, "[Version]\r\nVer=3.1\r\n");
  messages.AnswerNext(platform::MessageAnswer::Yes);
  processes.FailStarts(true);
  auto program = Start();
  ASSERT_TRUE(program.has_value());
  EXPECT_FALSE(windows.terminated());
  EXPECT_TRUE(program->mainForm->visible());
}

TEST_F(ProgramActionsTest, AStartWithoutTheUpdateServerGoesOnSilently) {
  auto program = Start();
  ASSERT_TRUE(program.has_value());
  EXPECT_EQ(server.requests().size(), 1u) << "the check was made";
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ProgramActionsTest, TheTrayItemUpdateOnlineChecks) {
  machine.SetString(kSettingsKeyPath, "CheckUpdate", "0");
  auto program = Start();
  ASSERT_TRUE(program.has_value());
  ASSERT_TRUE(server.requests().empty());
  server.Serve(kVersionUrl, "[Version]\r\nVer=3.1\r\n");
  messages.AnswerNext(platform::MessageAnswer::Yes);
  ASSERT_TRUE(program->dm->MainPopupMenu.Choose("OnlineUpdate1"));
  EXPECT_EQ(server.requests().size(), 1u);
  EXPECT_TRUE(windows.terminated());
}

TEST_F(ProgramActionsTest, ThePreferencesChangeTheSettingsTheProgramRunsWith) {
  machine.SetString(kSettingsKeyPath, "CheckUpdate", "0");
  auto program = Start();
  ASSERT_TRUE(program.has_value());
  // The first start ran with SelectAll off, although it stored the default "1".
  ASSERT_FALSE(program->mainForm->settings().SelectAll);
  windows.OnModal("FormOptions", [](ui::Form& form) {
    auto& options = static_cast<app::TFormOptions&>(form);
    EXPECT_TRUE(options.ChkCheckItem.checked());
    options.ChkAutoBackup.Click();
    options.BitBtn1.Click();
  });
  program->mainForm->OptionsBtn.Click();
  EXPECT_EQ(windows.modals(), std::vector<std::string>{"FormOptions"});
  EXPECT_TRUE(program->mainForm->settings().SelectAll);
  EXPECT_TRUE(program->mainForm->settings().NotAutoBackup);
  EXPECT_EQ(schedulers.creations(), 1);
  EXPECT_NE(program->mainForm->schedulerSession().scheduler, nullptr)
      << "held for the rest of the run";
}

}  // namespace
}  // namespace halvex::testing
