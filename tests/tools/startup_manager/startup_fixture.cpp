#include "tests/tools/startup_manager/startup_fixture.h"

#include <algorithm>

#include "tests/platform/registry_dump.h"

namespace halvex::tools::startup_manager {
namespace {
namespace reg_type = platform::reg_type;
constexpr char kShellFolders[] =
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
}  // namespace

StartupMachine::StartupMachine() {
  machine.SetString(std::string("HKEY_LOCAL_MACHINE") + kShellFolders, "Common Startup",
                    kCommonStartup);
  machine.SetString(std::string("HKEY_CURRENT_USER") + kShellFolders, "Startup", kUserStartup);
  machine.AddFile("C:\\Common Startup\\agent.lnk", "common agent");
  machine.AddFile("C:\\Common Startup\\hidden.lnk", "hidden");
  machine.AddFile("C:\\Common Startup\\system.lnk", "system");
  machine.AddFolder("C:\\Common Startup\\Tools");
  EXPECT_TRUE(machine.files().SetAttributes("C:\\Common Startup\\hidden.lnk",
                                            platform::file_attribute::kHidden));
  EXPECT_TRUE(machine.files().SetAttributes("C:\\Common Startup\\system.lnk",
                                            platform::file_attribute::kSystem));
  machine.AddFile("C:\\User Startup\\agent.lnk", "user agent");
  machine.AddFile("C:\\User Startup\\notes.txt", "notes");

  machine.AddFile("C:\\Tools\\tray.exe", "MZ");
  machine.SetString(kHklmRun, "Tray Agent", "C:\\Tools\\tray.exe -min");
  const std::string expand = "%SystemRoot%\\helper.exe";
  machine.SetValue(kHklmRun, "Helper", reg_type::kExpandString,
                   std::vector<std::uint8_t>(expand.c_str(), expand.c_str() + expand.size() + 1));
  machine.SetDword(kHklmRun, "Counter", 7);
  machine.SetValue(kHklmRun, "Blob", reg_type::kBinary, {1, 2, 3});
  machine.SetString(kHkcuRun, "Tray Agent", "C:\\Tools\\user-tray.exe");

  machine.AddFile("C:\\WINDOWS\\win.ini",
                  "[windows]\r\nload=\r\n[Load]\r\nLoader=C:\\Tools\\load.exe\r\n"
                  "[Run]\r\nRunner=run.exe\r\n");
  machine.AddFolder("C:\\Program Files\\Halvex");
  paths = StartupBackupPaths::InProgramFolder(machine.files());
  EXPECT_TRUE(PrepareStartupBackup(machine.files(), paths));
}

StartupEntry StartupMachine::Find(EntryKind kind, const std::string& name,
                                  const std::string& location) {
  for (const StartupEntry& entry : List()) {
    if (entry.kind == kind && entry.name == name &&
        (location.empty() || entry.location == location)) {
      return entry;
    }
  }
  ADD_FAILURE() << "no entry " << name << " of kind " << static_cast<int>(kind);
  return {};
}

std::vector<std::string> StartupMachine::Lines(const std::string& file) {
  LineFile lines(file);
  lines.Load(machine.files());
  return lines.lines();
}

std::string StartupMachine::Snapshot() {
  std::string text;
  for (const auto& [root, path] : {std::pair{platform::RootKey::LocalMachine, kHklmRun},
                                   {platform::RootKey::CurrentUser, kHkcuRun}}) {
    const std::string below = std::string(path).substr(std::string(path).find('\\') + 1);
    text += testing::DumpRegistry(machine.registry, root, below);
  }
  for (const char* folder : {kCommonStartup, kUserStartup}) {
    const auto entries = machine.files().ListFolder(folder);
    std::vector<std::string> names;
    for (const platform::FileEntry& entry : entries.value_or(std::vector<platform::FileEntry>{})) {
      names.push_back(entry.name + "=" + machine.Read(std::string(folder) + "\\" + entry.name));
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) text += std::string(folder) + "\\" + name + "\n";
  }
  return text;
}

}  // namespace halvex::tools::startup_manager
