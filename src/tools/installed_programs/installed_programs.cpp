#include "tools/installed_programs/installed_programs.h"

#include "model/registry_delete.h"
#include "model/registry_object.h"

namespace halvex::tools {
namespace {

using model::DataType;
using model::RegistryObject;

// The value as text when it is a string, expandable or not; "" for any other type.
std::string TextOf(RegistryObject& key, std::string_view name) {
  const DataType type = key.GetDataType(name);
  if (type != DataType::String && type != DataType::ExpandString) return {};
  return key.ReadString(name);
}

std::optional<std::string> OptionalTextOf(RegistryObject& key, std::string_view name) {
  if (!key.ValueExists(name)) return std::nullopt;
  return TextOf(key, name);
}

std::string EntryPath(std::string_view subkey) {
  return std::string(kUninstallKey) + "\\" + std::string(subkey);
}

std::string_view TrimLeadingBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

}  // namespace

std::vector<InstalledProgram> ListInstalledPrograms(platform::Registry& registry) {
  std::vector<InstalledProgram> programs;
  RegistryObject uninstall(registry);
  uninstall.SetRootKey(platform::RootKey::LocalMachine);
  if (!uninstall.OpenKey(kUninstallKey, false)) return programs;
  for (const std::string& subkey : uninstall.KeyNames()) {
    RegistryObject entry(registry);
    entry.SetRootKey(platform::RootKey::LocalMachine);
    const std::string keyPath = EntryPath(subkey);
    if (!entry.OpenKey(keyPath, false)) continue;
    if (!entry.ValueExists("DisplayName") || !entry.ValueExists("UninstallString")) continue;
    programs.push_back({.subkey = subkey,
                        .keyPath = keyPath,
                        .displayName = TextOf(entry, "DisplayName"),
                        .uninstallString = TextOf(entry, "UninstallString"),
                        .displayVersion = OptionalTextOf(entry, "DisplayVersion"),
                        .displayIcon = OptionalTextOf(entry, "DisplayIcon")});
  }
  return programs;
}

std::vector<ProgramDetail> ShowProgramDetails(platform::Registry& registry,
                                              std::string_view keyPath) {
  std::vector<ProgramDetail> details;
  RegistryObject entry(registry);
  entry.SetRootKey(platform::RootKey::LocalMachine);
  if (!entry.OpenKey(keyPath, false)) return details;
  details.push_back({"Name", TextOf(entry, "DisplayName")});
  details.push_back({"UninstallString", TextOf(entry, "UninstallString")});
  if (entry.ValueExists("DisplayVersion")) {
    details.push_back({"Version", TextOf(entry, "DisplayVersion")});
  }
  if (entry.ValueExists("DisplayIcon")) details.push_back({"Icon", TextOf(entry, "DisplayIcon")});
  return details;
}

bool RemoveProgramEntry(platform::Registry& registry, std::string_view keyPath) {
  return model::DeleteKeyByPath(registry, platform::RootKey::LocalMachine, keyPath);
}

platform::ProcessStart UninstallStart(platform::FileSystem& files, std::string_view commandLine) {
  const std::string_view line = TrimLeadingBlanks(commandLine);
  platform::ProcessStart start;
  std::size_t programEnd = std::string_view::npos;
  if (line.starts_with('"')) {
    const std::size_t closing = line.find('"', 1);
    start.file =
        std::string(line.substr(1, closing == std::string_view::npos ? closing : closing - 1));
    programEnd = closing == std::string_view::npos ? line.size() : closing + 1;
  } else {
    for (std::size_t blank = line.find(' '); programEnd == std::string_view::npos;
         blank = line.find(' ', blank + 1)) {
      const std::string candidate(line.substr(0, blank));
      if (blank == std::string_view::npos || files.FileExists(candidate) ||
          files.FileExists(candidate + ".exe")) {
        programEnd = blank == std::string_view::npos ? line.size() : blank;
      }
    }
    // No start of the line names a file: the system would try the first word.
    if (programEnd == line.size() && !files.FileExists(std::string(line)) &&
        line.find(' ') != std::string_view::npos) {
      programEnd = line.find(' ');
    }
    start.file = std::string(line.substr(0, programEnd));
  }
  start.parameters = std::string(TrimLeadingBlanks(line.substr(std::min(programEnd, line.size()))));
  start.show = platform::ShowMode::Normal;
  return start;
}

}  // namespace halvex::tools
