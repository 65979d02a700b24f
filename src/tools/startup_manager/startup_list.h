#pragma once
// The startup manager's listing: every program Windows starts at logon, from the twelve
// locations in their order (the two startup folders, eight Run-type keys, the "Load" and
// "Run" sections of win.ini), then the disabled entries of the line files; and the restoral
// list of removed entries. Each entry carries everything an action needs, so no action looks
// an entry up by its name. The window and halvex-cli list and act through this one unit.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "tools/startup_manager/startup_lines.h"

namespace halvex::tools::startup_manager {

enum class EntryKind {
  FolderFile,          // a file in a startup folder
  DisabledFolderFile,  // its copy in the del folder, recorded in del.txt with "|E"
  RunValue,            // a value of a Run-type key
  DisabledRunValue,    // a line of startup.dat
  WinIniKey,           // a key of win.ini's "Load" or "Run" section
};

// The row texts, as the list shows them.
inline constexpr char kStatusEnabled[] = "Enable";
inline constexpr char kStatusDisabled[] = "Disable";
inline constexpr char kStatusWinIni[] = "Win.ini";
inline constexpr char kTypeFolder[] = "Startup Folder";
inline constexpr char kTypeRegistry[] = "Registration";
inline constexpr char kTypeWinIni[] = "Win.ini";

struct StartupEntry {
  EntryKind kind = EntryKind::FolderFile;
  // The row: Name, Path and Status are the columns; Type and Location are kept beside them.
  std::string name;
  std::string path;
  std::string status;
  std::string type;
  std::string location;
  bool hasDetailsMark = false;

  // What the actions need.
  platform::RootKey root = platform::RootKey::None;  // registry entries
  std::string keyPath;                               // registry entries, below the root
  std::string valueName;                             // registry entries
  std::uint32_t valueType = 0;                       // live registry entries
  std::string data;                                  // registry entries: the data as text
  std::string file;         // folder files: the startup path; disabled ones: also `name`
  std::string copy;         // disabled folder files: the copy in the del folder
  std::string section;      // win.ini keys: "Load" or "Run"
  std::string line;         // disabled entries: their line in startup.dat or del.txt
  std::string programFile;  // registry entries whose program file exists, for the details
};

// A Run-type key of the listing.
struct RunKeyLocation {
  platform::RootKey root;
  const char* keyPath;
};

// Locations 3 to 10, in listing order.
extern const RunKeyLocation kRunKeys[8];
// Locations 11 and 12: the win.ini sections, in listing order.
inline constexpr const char* kWinIniSections[] = {"Load", "Run"};

struct StartupFolder {
  std::string valueName;  // "Common Startup" or "Startup"
  std::string path;
};

// Locations 1 and 2: the common and the user startup folder, as the Shell Folders keys name
// them; a root whose key does not open gives none.
std::vector<StartupFolder> GetStartupFolders(platform::Platform& platform);

// Called before each entry of a startup folder is taken: the window lets pending messages run.
using BeforeFolderEntry = std::function<void()>;

// The startup list, in listing order.
std::vector<StartupEntry> ListStartupEntries(platform::Platform& platform,
                                             const StartupBackupPaths& paths,
                                             const BeforeFolderEntry& beforeEntry = {});

enum class RestoreKind { Registry, File };

struct RestorableEntry {
  RestoreKind kind = RestoreKind::Registry;
  std::string name;  // value name, or the file's startup path
  std::string info;  // value data, or the copy's path
  std::string line;  // its line in removestartup.dat or del.txt
};

// The restoral list: the lines of removestartup.dat, then del.txt's lines without "|E".
std::vector<RestorableEntry> ListRestorableEntries(platform::FileSystem& files,
                                                   const StartupBackupPaths& paths);

// An id for each entry of a list, stable across runs while the entry stays as it is and unique
// in its list: eight hexadecimal digits from what the entry is, and "-2", "-3"... for
// entries that are the same.
std::vector<std::string> EntryIds(const std::vector<StartupEntry>& entries);
std::vector<std::string> EntryIds(const std::vector<RestorableEntry>& entries);

}  // namespace halvex::tools::startup_manager
