// Re-registration under Wine: two controls built beside the tests, one whose registration
// succeeds and one whose registration fails, registered by Wine's registration program; each
// row's status follows the program's exit code.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_process_runner.h"
#include "tools/activex_reregister/control_registration.h"

namespace halvex::tools::reregister {
namespace {

std::string BesideThisProgram(const char* name) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  folder = folder.substr(0, folder.find_last_of("\\/") + 1);
  // The test programs' folder is named "unix\..." by Wine, which the file calls take only with
  // the "\\?\" prefix.
  if (folder.rfind("unix\\", 0) == 0) folder = "\\\\?\\" + folder;
  return folder + name;
}

class ReregisterUnderWine : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    folder = std::string(temp, GetTempPathA(MAX_PATH, temp)) + "halvex-reregister";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* name : {"halvex_control_registers.dll", "halvex_control_fails.dll"}) {
      ASSERT_TRUE(CopyFileA(BesideThisProgram(name).c_str(), (folder + "\\" + name).c_str(), FALSE))
          << BesideThisProgram(name) << " cannot be copied to " << folder << ": error "
          << GetLastError();
    }
  }
  void TearDown() override {
    for (const char* name : {"halvex_control_registers.dll", "halvex_control_fails.dll"}) {
      DeleteFileA((folder + "\\" + name).c_str());
    }
    RemoveDirectoryA(folder.c_str());
  }
  std::string folder;
};

TEST_F(ReregisterUnderWine, EachStatusFollowsTheRegistrationProgramsExitCode) {
  platform::win32::Win32FileSystem files;
  platform::win32::Win32Locale locale;
  platform::win32::Win32ProcessRunner runner;
  std::vector<RegistrationRow> rows;
  RegistrationHooks hooks;
  hooks.onRow = [&](const RegistrationRow& row) { rows.push_back(row); };
  ASSERT_TRUE(RegisterFolderControls({files, locale, runner}, folder, hooks));
  ASSERT_EQ(rows.size(), 2u);
  for (const RegistrationRow& row : rows) {
    const bool registers = row.path.find("registers") != std::string::npos;
    EXPECT_EQ(row.status, registers ? RegistrationStatus::Registered : RegistrationStatus::Failed)
        << row.path << " exit code " << row.exitCode;
  }
}

}  // namespace
}  // namespace halvex::tools::reregister
