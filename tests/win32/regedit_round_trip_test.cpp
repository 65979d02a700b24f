// What the system's registry editor does under Wine, found beside the round trip (which
// tests/backup/round_trip_test.cpp runs on the real registry too): the finding that decides how
// version 5.00 files are written, and how a restore is judged.
#include <gtest/gtest.h>

#include <string>

#include "backup/registry_editor.h"
#include "backup/registry_restore.h"
#include "tests/backup/round_trip_fixture.h"
#include "tests/win32/win32_round_trip_machine.h"

namespace halvex::testing {
namespace {

constexpr const char* kProgramFolder = kWineProgramFolder;

class RegeditRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string failure;
    ASSERT_TRUE(machine.Prepare(failure)) << failure;
    ASSERT_TRUE(WriteFixture(registry, SharedDllsProblems(), failure)) << failure;
    ASSERT_TRUE(WriteFixture(registry, ScratchValues(), failure)) << failure;
    ASSERT_TRUE(MakeKeys(registry, ScratchEmptyKeys(), failure)) << failure;
  }

  void Restore(const std::string& backupFile) {
    const backup::RestoreResult restore =
        backup::RestoreRegistryFile(platform, runner, backupFile, {});
    ASSERT_TRUE(restore.ok()) << backupFile << ": " << static_cast<int>(restore.status) << " "
                              << restore.missing;
  }

  Win32RoundTripMachine machine;
  platform::Registry& registry = machine.registry;
  platform::FileSystem& files = machine.files;
  platform::ProcessRunner& runner = machine.runner;
  platform::Platform& platform = machine.platform();
};

// Why version 5.00 backups are UTF-16 files: in an 8-bit file with that header the registry
// editor reads hex(2) data as 8-bit bytes, so the UTF-16 byte pairs of "%SystemRoot%" come
// back as "%" (the NUL after the first byte ends the string).
TEST_F(RegeditRoundTrip, AnEightBitVersion5FileReadsHexTextAsBytes) {
  const std::string file = std::string(kProgramFolder) + "eight-bit.reg";
  ASSERT_TRUE(files.WriteFile(
      file,
      "Windows Registry Editor Version 5.00\r\n"
      "[HKEY_CURRENT_USER\\Software\\HalvexTests\\RoundTrip\\EightBit]\r\n"
      "\"p\"=hex(2):25,00,53,00,79,00,73,00,74,00,65,00,6D,00,52,00,6F,00,6F,00,74,00,25,00\r\n"));
  Restore(file);
  (void)files.DeleteFile(file);
  platform::KeyHandle key;
  ASSERT_EQ(registry.OpenKey(platform::RootHandle(platform::RootKey::CurrentUser),
                             "Software\\HalvexTests\\RoundTrip\\EightBit",
                             platform::KeyAccess::Read, key),
            platform::RegStatus::Ok);
  platform::RegValue value;
  ASSERT_EQ(platform::ReadWholeValue(registry, key, "p", value), platform::RegStatus::Ok);
  registry.CloseKey(key);
  // Every byte became a character of its own, the zero bytes too: as a string it is "%".
  const std::string data(value.data.begin(), value.data.end());
  EXPECT_EQ(data, std::string("%\0S\0y\0s\0t\0e\0m\0R\0o\0o\0t\0%\0", 24));
  EXPECT_STREQ(data.c_str(), "%");
}

// Wine's regedit ends with 0 whatever happened; a restore is told by what reached the registry.
TEST_F(RegeditRoundTrip, ARestoreIsJudgedByTheRegistryNotByTheExitCode) {
  const std::string missing = std::string(kProgramFolder) + "not-there.reg";
  EXPECT_TRUE(runner.RunHidden(backup::RegistryImportCommand(missing), {}).succeeded())
      << "Wine's regedit ends with 0 for a file that is not there";
  EXPECT_EQ(backup::RestoreRegistryFile(platform, runner, missing, {}).status,
            backup::RestoreStatus::NoFile);

  const std::string file = std::string(kProgramFolder) + "bad-value.reg";
  ASSERT_TRUE(files.WriteFile(file,
                              "REGEDIT4\r\n"
                              "[HKEY_CURRENT_USER\\Software\\HalvexTests\\RoundTrip\\Bad]\r\n"
                              "\"a\"=hex:zz\r\n"));
  const backup::RestoreResult result = backup::RestoreRegistryFile(platform, runner, file, {});
  (void)files.DeleteFile(file);
  EXPECT_EQ(result.exitCode, 0u) << "the editor skipped the line and ended well";
  EXPECT_EQ(result.status, backup::RestoreStatus::NotInRegistry);
  EXPECT_EQ(result.missing,
            "[HKEY_CURRENT_USER\\Software\\HalvexTests\\RoundTrip\\Bad] \"a\"=hex:zz");
}

}  // namespace
}  // namespace halvex::testing
