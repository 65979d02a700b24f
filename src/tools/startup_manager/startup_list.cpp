#include "tools/startup_manager/startup_list.h"

#include <map>

#include "model/command_path.h"
#include "model/key_naming.h"
#include "tools/startup_manager/startup_values.h"

namespace halvex::tools::startup_manager {
namespace {

using platform::RootKey;

constexpr char kShellFolders[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::uint32_t kVolumeLabel = 0x8;

void ListStartupFolder(platform::FileSystem& files, const std::string& folder,
                       const BeforeFolderEntry& beforeEntry, std::vector<StartupEntry>& rows) {
  if (folder.empty()) return;
  const auto entries = files.ListFolder(folder);
  if (!entries) return;  // a folder that cannot be entered
  for (const platform::FileEntry& entry : *entries) {
    if (beforeEntry) beforeEntry();
    if (entry.name == "." || entry.name == "..") continue;
    constexpr std::uint32_t kPassedOver =
        platform::file_attribute::kHidden | platform::file_attribute::kSystem | kVolumeLabel;
    if ((entry.attributes & kPassedOver) != 0) continue;
    StartupEntry row;
    row.kind = EntryKind::FolderFile;
    row.name = entry.name;
    row.path = folder + "\\" + entry.name;
    row.status = kStatusEnabled;
    row.type = kTypeFolder;
    row.file = row.path;
    rows.push_back(std::move(row));
  }
}

// The disabled files of del.txt not yet listed, whose startup path holds no file again.
void ListDisabledFolderFiles(platform::FileSystem& files, const StartupBackupPaths& paths,
                             std::vector<StartupEntry>& rows) {
  LineFile delTxt(paths.delTxt);
  delTxt.Load(files);
  for (const std::string& line : delTxt.lines()) {
    const std::optional<FolderLine> parsed = ParseFolderLine(line);
    if (!parsed || !parsed->disabled) continue;
    bool listed = false;
    for (const StartupEntry& row : rows) listed = listed || row.path == parsed->copyPath;
    if (listed || files.FileExists(parsed->startupPath)) continue;
    StartupEntry row;
    row.kind = EntryKind::DisabledFolderFile;
    row.name = parsed->startupPath;
    row.path = parsed->copyPath;
    row.status = kStatusDisabled;
    row.type = kTypeFolder;
    row.file = parsed->startupPath;
    row.copy = parsed->copyPath;
    row.line = line;
    rows.push_back(std::move(row));
  }
}

std::string ProgramFileOf(platform::Platform& platform, const std::string& data) {
  const std::string file = model::ExtractCommandPath(platform.locale, platform.files, data,
                                                     model::CommandPathVariant::B);
  return !file.empty() && platform.files.FileExists(file) ? file : std::string();
}

void ListRunKey(platform::Platform& platform, const RunKeyLocation& location,
                std::vector<StartupEntry>& rows) {
  platform::Registry& registry = platform.registry;
  platform::KeyHandle key;
  if (registry.OpenKey(platform::RootHandle(location.root), location.keyPath,
                       platform::KeyAccess::Read, key) != platform::RegStatus::Ok) {
    return;
  }
  platform::ScopedKey open(registry, key);
  const std::string fullKeyName = model::RootKeyName(location.root) + "\\" + location.keyPath;
  std::string name;
  for (std::uint32_t index = 0; registry.EnumValue(key, index, name) == platform::RegStatus::Ok;
       ++index) {
    platform::RegValue value;
    if (platform::ReadWholeValue(registry, key, name, value) != platform::RegStatus::Ok) continue;
    StartupEntry row;
    row.kind = EntryKind::RunValue;
    row.name = name;
    row.data = ValueText(value);
    row.path = row.data;
    row.status = kStatusEnabled;
    row.type = kTypeRegistry;
    row.location = fullKeyName;
    row.hasDetailsMark = true;
    row.root = location.root;
    row.keyPath = location.keyPath;
    row.valueName = name;
    row.valueType = value.type;
    row.programFile = ProgramFileOf(platform, row.data);
    rows.push_back(std::move(row));
  }
}

void ListWinIniSection(platform::ProfileFiles& profiles, const char* section,
                       std::vector<StartupEntry>& rows) {
  for (const std::string& key : profiles.KeyNames(platform::kWinIni, section)) {
    StartupEntry row;
    row.kind = EntryKind::WinIniKey;
    row.name = key;
    row.path = profiles.ReadKey(platform::kWinIni, section, key).value_or(std::string());
    row.status = kStatusWinIni;
    row.type = kTypeWinIni;
    // Only "Load" rows carry the details mark.
    row.hasDetailsMark = std::string_view(section) == "Load";
    row.section = section;
    rows.push_back(std::move(row));
  }
}

void ListDisabledRegistryEntries(platform::Platform& platform, const StartupBackupPaths& paths,
                                 std::vector<StartupEntry>& rows) {
  LineFile startupDat(paths.startupDat);
  startupDat.Load(platform.files);
  for (const std::string& line : startupDat.lines()) {
    const std::optional<RegistryLine> parsed = ParseRegistryLine(line);
    if (!parsed) continue;
    const model::SplitKeyPath split = model::SplitFullKeyPath(parsed->fullKeyName);
    StartupEntry row;
    row.kind = EntryKind::DisabledRunValue;
    row.name = parsed->valueName;
    row.path = parsed->data;
    row.status = kStatusDisabled;
    row.type = kTypeRegistry;
    row.location = line;
    row.hasDetailsMark = true;
    row.root = split.root;
    row.keyPath = split.absolutePath.empty() ? std::string() : split.absolutePath.substr(1);
    row.valueName = parsed->valueName;
    row.data = parsed->data;
    row.line = line;
    row.programFile = ProgramFileOf(platform, row.data);
    rows.push_back(std::move(row));
  }
}

// FNV-1a over the parts that say what an entry is.
std::string HashId(std::initializer_list<std::string_view> parts) {
  std::uint32_t hash = 2166136261u;
  for (const std::string_view part : parts) {
    for (const char c : part) hash = (hash ^ static_cast<std::uint8_t>(c)) * 16777619u;
    hash = (hash ^ 0x1Fu) * 16777619u;  // a separator no text holds
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string id(8, '0');
  for (int i = 7; i >= 0; --i, hash >>= 4) id[i] = kHex[hash & 0xF];
  return id;
}

std::vector<std::string> Unique(std::vector<std::string> ids) {
  std::map<std::string, int> seen;
  for (std::string& id : ids) {
    const int count = ++seen[id];
    if (count > 1) id += "-" + std::to_string(count);
  }
  return ids;
}

}  // namespace

const RunKeyLocation kRunKeys[8] = {
    {RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"},
    {RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce"},
    {RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx"},
    {RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices"},
    {RootKey::CurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"},
    {RootKey::CurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce"},
    {RootKey::CurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx"},
    {RootKey::CurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices"},
};

std::vector<StartupFolder> GetStartupFolders(platform::Platform& platform) {
  std::vector<StartupFolder> folders;
  const std::pair<RootKey, const char*> sources[] = {{RootKey::LocalMachine, "Common Startup"},
                                                     {RootKey::CurrentUser, "Startup"}};
  for (const auto& [root, valueName] : sources) {
    platform::KeyHandle key;
    if (platform.registry.OpenKey(platform::RootHandle(root), kShellFolders,
                                  platform::KeyAccess::Read, key) != platform::RegStatus::Ok) {
      continue;
    }
    platform::ScopedKey open(platform.registry, key);
    platform::RegValue value;
    const bool read = platform::ReadWholeValue(platform.registry, key, valueName, value) ==
                      platform::RegStatus::Ok;
    folders.push_back({valueName, read ? ValueText(value) : std::string()});
  }
  return folders;
}

std::vector<StartupEntry> ListStartupEntries(platform::Platform& platform,
                                             const StartupBackupPaths& paths,
                                             const BeforeFolderEntry& beforeEntry) {
  std::vector<StartupEntry> rows;
  const std::vector<StartupFolder> folders = GetStartupFolders(platform);
  for (const char* valueName : {"Common Startup", "Startup"}) {
    for (const StartupFolder& folder : folders) {
      if (folder.valueName != valueName) continue;
      ListStartupFolder(platform.files, folder.path, beforeEntry, rows);
      ListDisabledFolderFiles(platform.files, paths, rows);
    }
  }
  for (const RunKeyLocation& location : kRunKeys) ListRunKey(platform, location, rows);
  for (const char* section : kWinIniSections) ListWinIniSection(platform.profiles, section, rows);
  ListDisabledRegistryEntries(platform, paths, rows);
  return rows;
}

std::vector<RestorableEntry> ListRestorableEntries(platform::FileSystem& files,
                                                   const StartupBackupPaths& paths) {
  std::vector<RestorableEntry> rows;
  LineFile removed(paths.removeStartupDat);
  removed.Load(files);
  for (const std::string& line : removed.lines()) {
    if (const std::optional<RegistryLine> parsed = ParseRegistryLine(line)) {
      rows.push_back({RestoreKind::Registry, parsed->valueName, parsed->data, line});
    }
  }
  LineFile delTxt(paths.delTxt);
  delTxt.Load(files);
  for (const std::string& line : delTxt.lines()) {
    const std::optional<FolderLine> parsed = ParseFolderLine(line);
    if (parsed && !parsed->disabled) {
      rows.push_back({RestoreKind::File, parsed->startupPath, parsed->copyPath, line});
    }
  }
  return rows;
}

std::vector<std::string> EntryIds(const std::vector<StartupEntry>& entries) {
  std::vector<std::string> ids;
  for (const StartupEntry& entry : entries) {
    const char kind[] = {static_cast<char>('0' + static_cast<int>(entry.kind)), '\0'};
    ids.push_back(HashId({kind, entry.location, entry.section, entry.name, entry.path}));
  }
  return Unique(std::move(ids));
}

std::vector<std::string> EntryIds(const std::vector<RestorableEntry>& entries) {
  std::vector<std::string> ids;
  for (const RestorableEntry& entry : entries) ids.push_back(HashId({"r", entry.line}));
  return Unique(std::move(ids));
}

}  // namespace halvex::tools::startup_manager
