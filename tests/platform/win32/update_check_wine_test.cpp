// The update check over the WinINet binding and the real file system, against a version file
// served on loopback. The program folder is a scratch folder, and the installed version lives in
// the substitute registry, so that the test leaves the prefix's settings alone.
#include <gtest/gtest.h>

#include "app/startup/update_check.h"
#include "model/program_folder.h"
#include "model/registry_object.h"
#include "platform/substitute/fixed_clock.h"
#include "platform/substitute/memory_registry.h"
#include "platform/substitute/recording_process_starter.h"
#include "platform/substitute/scripted_message_boxes.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_http_client.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_shell_links.h"
#include "tests/platform/host_temp_folder.h"
#include "tests/platform/win32/loopback_http_server.h"
#include "tests/support/program_folder_override.h"

namespace halvex::app {
namespace {

class UpdateCheckUnderWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.started()) << "no loopback server";
    model::RegistryObject key(registry);
    key.SetRootKey(platform::RootKey::CurrentUser);
    ASSERT_TRUE(key.OpenKey("\\Software\\Halvex", true));
    ASSERT_TRUE(key.WriteString("Version", "3.0"));
  }
  std::string VersionFile() { return model::InProgramFolder(files, "Update.ini"); }

  testing::LoopbackHttpServer server;
  platform::win32::Win32HttpClient http;
  testing::HostTempFolder programFolder;
  platform::win32::Win32FileSystem win32Files;
  testing::ProgramFolderOverride files{win32Files, programFolder.path().string() + "\\"};
  platform::win32::Win32Locale locale;
  platform::win32::Win32ShellLinks links;
  platform::substitute::MemoryRegistry registry;
  platform::substitute::FixedClock clock;
  platform::Platform machine{registry, files, locale, clock, links};
  platform::substitute::ScriptedMessageBoxes messages;
  platform::substitute::RecordingProcessStarter processes;
  UpdateCheckServices services{machine, http, messages, processes, server.Url("")};
};

TEST_F(UpdateCheckUnderWineTest, OffersVersionsThatAreNewerAsNumbers) {
  const struct {
    const char* ver;
    UpdateAvailability answer;
  } cases[] = {{"3.1", UpdateAvailability::Newer},
               {"3.0", UpdateAvailability::NotNewer},
               {"10.0", UpdateAvailability::Newer}};
  for (const auto& c : cases) {
    const std::string versionFile = std::string("[Version]\r\nVer=") + c.ver + "\r\n";
    server.Answer("/update/Update.ini", testing::ScriptedAnswer::With(200, versionFile));
    EXPECT_EQ(IsNewerVersionAvailable(services), c.answer) << "Ver=" << c.ver;
    EXPECT_EQ(files.ReadFile(VersionFile()).value_or("<missing>"), versionFile) << "Ver=" << c.ver;
  }
}

TEST_F(UpdateCheckUnderWineTest, AServerThatIsDownOrFailsGivesNoAnswer) {
  server.Answer("/update/Update.ini", testing::ScriptedAnswer::With(503, "busy"));
  EXPECT_EQ(CheckForUpdate(services), UpdateCheckOutcome::NoAnswer);
  const UpdateCheckServices down{machine, http, messages, processes,
                                 testing::LoopbackHttpServer::ClosedPortUrl("")};
  EXPECT_EQ(CheckForUpdate(down), UpdateCheckOutcome::NoAnswer);
  EXPECT_TRUE(messages.shown().empty());
  EXPECT_TRUE(processes.started().empty());
}

}  // namespace
}  // namespace halvex::app
