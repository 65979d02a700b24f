#pragma once
// The startup manager's three line files in "RepairBackup\" of the program folder, and the
// del folder beside them:
//   startup.dat        one line per disabled registry entry: FULLKEY#NAME|DATA
//   removestartup.dat  one line per removed registry entry, the same form
//   del.txt            one line per disabled (STARTUPPATH#COPYPATH|E) or removed
//                      (STARTUPPATH#COPYPATH) startup-folder file
//   del\               the copies of those files
// Each file is text in the system code page, one line per record, every line ended by CR LF.
// A registry line is read by its first "#" and its first "|" after it, so a key path or value
// name holding either, or data holding a line break, cannot be kept in a line.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace halvex::tools::startup_manager {

struct RegistryLine {
  std::string fullKeyName;  // HKEY_CURRENT_USER\SOFTWARE\Microsoft\Windows\CurrentVersion\Run
  std::string valueName;
  std::string data;
};

// Whether the line reads back as this entry: no "#" or "|" in the key name or value name, no
// line break in any part.
bool FitsRegistryLine(const RegistryLine& entry);
std::string FormatRegistryLine(const RegistryLine& entry);
// nullopt for a line without "#" or without "|" after it.
std::optional<RegistryLine> ParseRegistryLine(std::string_view line);

struct FolderLine {
  std::string startupPath;  // the file's full path in its startup folder
  std::string copyPath;     // its copy in the del folder
  bool disabled = false;    // "|E": disabled; without it, removed
};

// Whether the line reads back as this entry: no "#" or "|" in either path (file names may
// hold "#").
bool FitsFolderLine(const FolderLine& entry);
std::string FormatFolderLine(const FolderLine& entry);
// nullopt for a line without "#".
std::optional<FolderLine> ParseFolderLine(std::string_view line);

// Lines compare as the program compares them: trimmed of blanks and control characters.
bool SameLine(std::string_view a, std::string_view b);

// The paths of the backup files.
struct StartupBackupPaths {
  std::string folder;  // ...\RepairBackup
  std::string startupDat;
  std::string removeStartupDat;
  std::string delTxt;
  std::string delFolder;

  static StartupBackupPaths InProgramFolder(platform::FileSystem& files);
};

// Creates the folder, the del folder and the three files (empty) where missing; false when any
// of them is still missing.
[[nodiscard]] bool PrepareStartupBackup(platform::FileSystem& files,
                                        const StartupBackupPaths& paths);

// One line file, read whole and written whole.
class LineFile {
 public:
  explicit LineFile(std::string path) : path_(std::move(path)) {}

  // A missing or unreadable file reads as no lines.
  void Load(platform::FileSystem& files);
  [[nodiscard]] bool Save(platform::FileSystem& files) const;

  const std::vector<std::string>& lines() const { return lines_; }
  void Append(std::string line) { lines_.push_back(std::move(line)); }
  // Takes out the first line equal to `line` (SameLine); false when there was none.
  bool RemoveFirst(std::string_view line);
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::vector<std::string> lines_;
};

}  // namespace halvex::tools::startup_manager
