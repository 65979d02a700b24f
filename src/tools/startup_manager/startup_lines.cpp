#include "tools/startup_manager/startup_lines.h"

#include <algorithm>

#include "platform/text_lines.h"

namespace halvex::tools::startup_manager {
namespace {

bool HoldsLineBreak(std::string_view text) {
  return text.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

bool FitsRegistryLine(const RegistryLine& entry) {
  const auto divides = [](std::string_view text) {
    return text.find_first_of("#|") != std::string_view::npos;
  };
  return !divides(entry.fullKeyName) && !divides(entry.valueName) &&
         !HoldsLineBreak(entry.fullKeyName) && !HoldsLineBreak(entry.valueName) &&
         !HoldsLineBreak(entry.data);
}

std::string FormatRegistryLine(const RegistryLine& entry) {
  return entry.fullKeyName + "#" + entry.valueName + "|" + entry.data;
}

std::optional<RegistryLine> ParseRegistryLine(std::string_view line) {
  const std::size_t hash = line.find('#');
  if (hash == std::string_view::npos) return std::nullopt;
  const std::size_t bar = line.find('|', hash + 1);
  if (bar == std::string_view::npos) return std::nullopt;
  return RegistryLine{std::string(line.substr(0, hash)),
                      std::string(line.substr(hash + 1, bar - hash - 1)),
                      std::string(line.substr(bar + 1))};
}

bool FitsFolderLine(const FolderLine& entry) {
  return entry.startupPath.find_first_of("#|\r\n") == std::string::npos &&
         entry.copyPath.find_first_of("#|\r\n") == std::string::npos;
}

std::string FormatFolderLine(const FolderLine& entry) {
  return entry.startupPath + "#" + entry.copyPath + (entry.disabled ? "|E" : "");
}

std::optional<FolderLine> ParseFolderLine(std::string_view line) {
  const std::size_t hash = line.find('#');
  if (hash == std::string_view::npos) return std::nullopt;
  FolderLine entry;
  entry.startupPath = std::string(line.substr(0, hash));
  // A disabled line carries "|E"; the copy path ends at its first "|".
  entry.disabled = line.find("|E", hash + 1) != std::string_view::npos;
  const std::string_view rest = line.substr(hash + 1);
  entry.copyPath = std::string(entry.disabled ? rest.substr(0, rest.find('|')) : rest);
  return entry;
}

bool SameLine(std::string_view a, std::string_view b) {
  return platform::TrimText(a) == platform::TrimText(b);
}

StartupBackupPaths StartupBackupPaths::InProgramFolder(platform::FileSystem& files) {
  const std::string folder = files.ProgramFolder() + "RepairBackup";
  return {folder, folder + "\\startup.dat", folder + "\\removestartup.dat", folder + "\\del.txt",
          folder + "\\del"};
}

bool PrepareStartupBackup(platform::FileSystem& files, const StartupBackupPaths& paths) {
  for (const std::string* folder : {&paths.folder, &paths.delFolder}) {
    if (!files.FolderExists(*folder)) (void)files.CreateFolder(*folder);
  }
  for (const std::string* file : {&paths.startupDat, &paths.removeStartupDat, &paths.delTxt}) {
    if (!files.FileExists(*file)) (void)files.WriteFile(*file, "");
  }
  return files.FolderExists(paths.delFolder) && files.FileExists(paths.startupDat) &&
         files.FileExists(paths.removeStartupDat) && files.FileExists(paths.delTxt);
}

void LineFile::Load(platform::FileSystem& files) {
  lines_.clear();
  const std::optional<std::string> text = files.ReadFile(path_);
  if (!text) return;
  for (const std::string_view line : platform::SplitLines(*text)) {
    if (!platform::TrimText(line).empty()) lines_.emplace_back(line);
  }
}

bool LineFile::Save(platform::FileSystem& files) const {
  std::string text;
  for (const std::string& line : lines_) text += line + "\r\n";
  return files.WriteFile(path_, text);
}

bool LineFile::RemoveFirst(std::string_view line) {
  const auto found = std::find_if(lines_.begin(), lines_.end(),
                                  [&](const std::string& held) { return SameLine(held, line); });
  if (found == lines_.end()) return false;
  lines_.erase(found);
  return true;
}

}  // namespace halvex::tools::startup_manager
