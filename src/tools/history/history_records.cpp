#include "tools/history/history_records.h"

#include <algorithm>

#include "model/registry_object.h"

namespace halvex::tools::history {

const HistoryAreaRow& RowOf(HistoryArea area) {
  return kHistoryAreas[static_cast<int>(area)];
}

std::optional<HistoryArea> AreaNamed(std::string_view cliName) {
  const auto found =
      std::find_if(kHistoryAreas.begin(), kHistoryAreas.end(),
                   [&](const HistoryAreaRow& row) { return row.cliName == cliName; });
  if (found == kHistoryAreas.end()) return std::nullopt;
  return found->area;
}

HistoryArea AreaOfKind(std::int32_t kind) {
  return static_cast<HistoryArea>(kind);
}

ShellFolders ReadShellFolders(platform::Platform& platform) {
  ShellFolders folders;
  folders.temp = platform.files.TempFolder().substr(0, 255);
  model::RegistryObject registry(platform.registry);
  registry.SetRootKey(platform::RootKey::CurrentUser);
  if (!registry.OpenKey(kShellFoldersKey, false)) return folders;
  const auto read = [&](std::string_view name) {
    try {
      return registry.ReadString(name);
    } catch (const model::RegistryError&) {
      return std::string();
    }
  };
  const std::string cache = read("Cache");
  if (!cache.empty()) folders.cache = JoinPath(cache, "Content.IE5");
  folders.netHood = read("NetHood");
  folders.recent = read("Recent");
  folders.history = read("History");
  return folders;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path + std::string(name);
}

}  // namespace halvex::tools::history
