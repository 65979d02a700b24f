#pragma once
// The installed programs Windows knows from the machine's Uninstall key: the list, the details
// of one program, the start of its uninstall command and the removal of its entry. The removal
// keeps no backup: it is meant for entries whose program is already gone, and the window warns
// that it cannot be undone.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/process_starter.h"
#include "platform/registry.h"

namespace halvex::tools {

// Below HKEY_LOCAL_MACHINE; each subkey is one program.
inline constexpr std::string_view kUninstallKey =
    "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

struct InstalledProgram {
  std::string subkey;           // the subkey's name
  std::string keyPath;          // kUninstallKey + "\" + subkey, below HKEY_LOCAL_MACHINE
  std::string displayName;      // "DisplayName" as text ("" when it is not a string)
  std::string uninstallString;  // "UninstallString" as text
  // The values only the details show, nullopt when the entry has none.
  std::optional<std::string> displayVersion;
  std::optional<std::string> displayIcon;

  friend bool operator==(const InstalledProgram&, const InstalledProgram&) = default;
};

// Every subkey that opens and has both a "DisplayName" and an "UninstallString" value, in the
// order the registry returns them. A value of a type other than REG_SZ or REG_EXPAND_SZ reads
// as empty text; an entry whose name is empty is listed all the same. Empty when the Uninstall
// key does not open.
std::vector<InstalledProgram> ListInstalledPrograms(platform::Registry& registry);

struct ProgramDetail {
  std::string label;
  std::string value;
  friend bool operator==(const ProgramDetail&, const ProgramDetail&) = default;
};

// "Name" and "UninstallString" always, then "Version" and "Icon" when the key has
// "DisplayVersion" and "DisplayIcon". Empty when the key does not open.
std::vector<ProgramDetail> ShowProgramDetails(platform::Registry& registry,
                                              std::string_view keyPath);

// Deletes the entry's key with everything below it; false when it could not.
[[nodiscard]] bool RemoveProgramEntry(platform::Registry& registry, std::string_view keyPath);

// How the uninstall command line is started through the shell: a quoted program is the text
// between the quotes; an unquoted one is the shortest start of the line, ended at a blank, that
// names an existing file (with or without ".exe"), as the system reads a command line, or else
// the first word. The rest is the program's parameters. The window is a normal one.
platform::ProcessStart UninstallStart(platform::FileSystem& files, std::string_view commandLine);

}  // namespace halvex::tools
