// The ActiveX blocker on the real registry under Wine, its list "Code" fetched through WinINet
// from a web server on loopback into a scratch program folder. The controls' identifiers are
// the test's own, and their compatibility keys are removed afterwards.
#include <gtest/gtest.h>

#include "model/program_folder.h"
#include "model/registry_object.h"
#include "platform/substitute/fixed_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_http_client.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell_links.h"
#include "tests/platform/host_temp_folder.h"
#include "tests/platform/win32/loopback_http_server.h"
#include "tests/support/program_folder_override.h"
#include "tools/activex_blocker/blocked_controls.h"
#include "tools/activex_blocker/kill_flag.h"

namespace halvex::tools::activex {
namespace {

constexpr const char* kA = "{4A1E7E57-0000-4000-8000-0000000000A1}";
constexpr const char* kB = "{4A1E7E57-0000-4000-8000-0000000000B2}";

class ActiveXBlockerUnderWine : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server.started()) << "no loopback server"; }
  void TearDown() override {
    model::RegistryObject key(registry);
    key.SetRootKey(platform::RootKey::LocalMachine);
    for (const char* id : {kA, kB}) (void)key.DeleteKey("\\" + CompatibilityKeyOf(id));
  }

  testing::LoopbackHttpServer server;
  platform::win32::Win32HttpClient http;
  testing::HostTempFolder programFolder;
  platform::win32::Win32FileSystem win32Files;
  testing::ProgramFolderOverride files{win32Files, programFolder.path().string() + "\\"};
  platform::win32::Win32Locale locale;
  platform::win32::Win32ShellLinks links;
  platform::win32::Win32Registry registry;
  platform::substitute::FixedClock clock;
  platform::Platform machine{registry, files, locale, clock, links};
};

TEST_F(ActiveXBlockerUnderWine, AFailedDownloadIsRetriedAndLockingKeepsOtherValues) {
  server.Answer("/update2.0/Code", testing::ScriptedAnswer::With(404, "gone"));
  EXPECT_FALSE(FetchBlockList(http, files, server.Url("")));
  EXPECT_FALSE(files.FileExists(BlockListPath(files))) << "a failed download leaves no list";

  server.Answer("/update2.0/Code", testing::ScriptedAnswer::With(
                                       200, std::string("Alpha") + kA + "\r\n\r\nBravo" + kB));
  ASSERT_TRUE(FetchBlockList(http, files, server.Url("")));

  {
    model::RegistryObject key(registry);
    key.SetRootKey(platform::RootKey::LocalMachine);
    ASSERT_TRUE(key.OpenKey("\\" + CompatibilityKeyOf(kB), true));
    ASSERT_TRUE(key.WriteString("AlternateCLSID", kA));
  }
  std::vector<ControlRow> rows = ListBlockedControls(machine);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(CountLocked(rows), 0u);
  for (ControlRow& row : rows) row.checked = true;
  EXPECT_EQ(LockCheckedControls(registry, rows, {}), 2u);
  EXPECT_EQ(CountLocked(ListBlockedControls(machine)), 2u);

  UnlockAllControls(registry, rows, {});
  EXPECT_EQ(CountLocked(ListBlockedControls(machine)), 0u);
  model::RegistryObject key(registry);
  key.SetRootKey(platform::RootKey::LocalMachine);
  EXPECT_FALSE(key.KeyExists("\\" + CompatibilityKeyOf(kA))) << "an emptied key goes";
  ASSERT_TRUE(key.OpenKey("\\" + CompatibilityKeyOf(kB), false));
  EXPECT_EQ(key.ReadString("AlternateCLSID"), kA) << "other values stay";
}

}  // namespace
}  // namespace halvex::tools::activex
