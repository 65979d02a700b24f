#pragma once
// A small machine with an entry of every kind the startup manager lists: two startup folders
// (one name in both, a hidden and a system file, a subfolder), Run values of REG_SZ,
// REG_EXPAND_SZ, REG_DWORD and REG_BINARY (one name in two keys), and win.ini's "Load" and
// "Run" sections.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/scratch_machine.h"
#include "tools/startup_manager/startup_actions.h"
#include "tools/startup_manager/startup_list.h"

namespace halvex::tools::startup_manager {

inline constexpr char kHklmRun[] =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kHkcuRun[] =
    "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kCommonStartup[] = "C:\\Common Startup";
inline constexpr char kUserStartup[] = "C:\\User Startup";

class StartupMachine : public ::testing::Test {
 protected:
  StartupMachine();

  platform::Platform& platform() { return machine.platform(); }
  std::vector<StartupEntry> List() { return ListStartupEntries(platform(), paths); }
  // The first listed entry of that name and kind; fails the test when there is none.
  StartupEntry Find(EntryKind kind, const std::string& name, const std::string& location = {});
  std::vector<std::string> Lines(const std::string& file);
  // The registry below both Run keys and the files of both startup folders, as text.
  std::string Snapshot();

  testing::ScratchMachine machine;
  StartupBackupPaths paths;
};

}  // namespace halvex::tools::startup_manager
