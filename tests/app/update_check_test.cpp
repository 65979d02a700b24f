// The update check on the substitute machine with a scripted update server.
#include "app/startup/update_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/registry_object.h"
#include "platform/substitute/recording_process_starter.h"
#include "platform/substitute/scripted_http_client.h"
#include "platform/substitute/scripted_message_boxes.h"
#include "tests/support/scratch_machine.h"

namespace halvex::app {

void PrintTo(UpdateAvailability answer, std::ostream* out) {
  constexpr const char* kNames[] = {"Newer", "NotNewer", "Unknown"};
  *out << kNames[static_cast<int>(answer)];
}

void PrintTo(UpdateCheckOutcome outcome, std::ostream* out) {
  constexpr const char* kNames[] = {"NoAnswer", "UpToDate", "Declined", "UpdaterStarted",
                                    "UpdaterNotStarted"};
  *out << kNames[static_cast<int>(outcome)];
}

namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using ::testing::IsEmpty;

constexpr const char* kServer = "http://updates.test:8080";
constexpr const char* kVersionUrl = "http://updates.test:8080/update/Update.ini";
constexpr const char* kVersionFile = "C:\\Program Files\\Halvex\\Update.ini";
constexpr const char* kSettingsKey = "HKEY_CURRENT_USER\\Software\\Halvex";
constexpr const char* kQuestion =
    "A newer version of Halvex is available, Halvex will shut down to install the newer "
    "version.\rWould you like to update now?";

std::string VersionFile(const std::string& ver) {
  return "[Version]\r\nVer=" + ver + "\r\n";
}

class UpdateCheckTest : public ::testing::Test {
 protected:
  UpdateCheckTest() {
    machine.AddFolder("C:\\Program Files\\Halvex");
    machine.SetString(kSettingsKey, "Version", "3.0");
  }

  void RemoveInstalledVersion() {
    model::RegistryObject key(machine.registry);
    key.SetRootKey(platform::RootKey::CurrentUser);
    ASSERT_TRUE(key.OpenKey("\\Software\\Halvex", false));
    ASSERT_TRUE(key.DeleteValue("Version"));
  }

  testing::ScratchMachine machine;
  platform::substitute::ScriptedHttpClient server;
  platform::substitute::ScriptedMessageBoxes messages;
  platform::substitute::RecordingProcessStarter processes;
  UpdateCheckServices services{machine.platform(), server, messages, processes, kServer};
};

TEST_F(UpdateCheckTest, ComparesTheServersVersionWithTheInstalledOne) {
  const struct {
    const char* versionFile;
    const char* installed;  // nullptr: no "Version" value
    UpdateAvailability answer;
  } cases[] = {
      {"[Version]\r\nVer=3.1\r\n", "3.0", UpdateAvailability::Newer},
      {"[Version]\r\nVer=3.0\r\n", "3.0", UpdateAvailability::NotNewer},
      {"[Version]\r\nVer=10.0\r\n", "3.0", UpdateAvailability::Newer},
      {"[Version]\r\nVer=3.0\r\n", "10.0", UpdateAvailability::NotNewer},
      {"[Version]\r\nVer=3.1\r\n", " 3.1 ", UpdateAvailability::NotNewer},
      {"[Version]\r\nNotVer=9.0\r\n", "3.0", UpdateAvailability::NotNewer},
      {"[Version]\r\nVer=3.1\r\n", "", UpdateAvailability::Newer},
      {"[Version]\r\nVer=3.1\r\n", nullptr, UpdateAvailability::Newer},
  };
  for (const auto& c : cases) {
    server.Serve(kVersionUrl, c.versionFile);
    if (c.installed != nullptr) {
      machine.SetString(kSettingsKey, "Version", c.installed);
    } else {
      RemoveInstalledVersion();
    }
    EXPECT_EQ(IsNewerVersionAvailable(services), c.answer)
        << c.versionFile << " against " << (c.installed ? c.installed : "no version");
    EXPECT_EQ(machine.Read(kVersionFile), c.versionFile) << "the version file stays";
  }
}

TEST_F(UpdateCheckTest, AskForTheVersionFileAtTheFixedPathOfTheConfiguredServer) {
  server.Serve(kVersionUrl, VersionFile("3.0"));
  ASSERT_EQ(IsNewerVersionAvailable(services), UpdateAvailability::NotNewer);
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].url, kVersionUrl);
}

TEST_F(UpdateCheckTest, TheBuiltInServerIsTheDefault) {
  const UpdateCheckServices builtIn{machine.platform(), server, messages, processes};
  EXPECT_EQ(builtIn.updateServer, model::kUpdateServer);
  EXPECT_EQ(IsNewerVersionAvailable(builtIn), UpdateAvailability::Unknown);
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].url, std::string(model::kUpdateServer) + "/update/Update.ini");
}

TEST_F(UpdateCheckTest, AFailedDownloadGivesNoAnswerAndKeepsTheEarlierFile) {
  machine.AddFile(kVersionFile, VersionFile("9.0"));
  server.Fail(kVersionUrl, platform::HttpFailure::HttpStatus, 404);
  EXPECT_EQ(IsNewerVersionAvailable(services), UpdateAvailability::Unknown)
      << "an earlier version file is no answer";
  EXPECT_EQ(CheckForUpdate(services), UpdateCheckOutcome::NoAnswer);
  EXPECT_THAT(messages.shown(), IsEmpty());
  EXPECT_THAT(processes.started(), IsEmpty());
  EXPECT_EQ(machine.Read(kVersionFile), VersionFile("9.0"));
}

TEST_F(UpdateCheckTest, NoNewerVersionAsksNothing) {
  server.Serve(kVersionUrl, VersionFile("3.0"));
  EXPECT_EQ(CheckForUpdate(services), UpdateCheckOutcome::UpToDate);
  EXPECT_THAT(messages.shown(), IsEmpty());
  EXPECT_THAT(processes.started(), IsEmpty());
}

TEST_F(UpdateCheckTest, YesStartsTheUpdaterFromTheProgramFolder) {
  server.Serve(kVersionUrl, VersionFile("3.1"));
  messages.AnswerNext(MessageAnswer::Yes);
  EXPECT_EQ(CheckForUpdate(services), UpdateCheckOutcome::UpdaterStarted);

  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, kQuestion);
  EXPECT_EQ(messages.shown()[0].caption, "Hal Vex");
  EXPECT_EQ(messages.shown()[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Information);
  EXPECT_THAT(processes.started(), ::testing::ElementsAre(platform::ProcessStart{
                                       .file = "C:\\Program Files\\Halvex\\HalvoUpdate.exe",
                                       .parameters = "",
                                       .verb = "open",
                                       .folder = "C:\\Program Files\\Halvex\\",
                                       .show = platform::ShowMode::Normal}));
}

TEST_F(UpdateCheckTest, NoLeavesTheProgramRunning) {
  server.Serve(kVersionUrl, VersionFile("3.1"));
  messages.AnswerNext(MessageAnswer::No);
  EXPECT_EQ(CheckForUpdate(services), UpdateCheckOutcome::Declined);
  EXPECT_THAT(processes.started(), IsEmpty());
}

TEST_F(UpdateCheckTest, AnUpdaterThatDoesNotStartLeavesTheProgramRunning) {
  server.Serve(kVersionUrl, VersionFile("3.1"));
  messages.AnswerNext(MessageAnswer::Yes);
  processes.FailStarts(true);
  EXPECT_EQ(CheckForUpdate(services), UpdateCheckOutcome::UpdaterNotStarted);
  EXPECT_EQ(processes.started().size(), 1u) << "the start was tried";
}

}  // namespace
}  // namespace halvex::app
