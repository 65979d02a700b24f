#include "tools/junk_files/junk_scan.h"

#include <algorithm>
#include <array>

namespace halvex::tools::junk_files {
namespace {

constexpr std::array<std::uint32_t, 8> kEnteredAttributeWords = {0x02, 0x04, 0x10, 0x12,
                                                                 0x13, 0x20, 0x80, 0x100};

bool IsDotEntry(std::string_view name) {
  return name == "." || name == "..";
}

}  // namespace

bool MatchJunkType(std::string_view name, std::string_view pattern) {
  if (pattern.find('*') != std::string_view::npos) {
    if (!pattern.starts_with("*.")) return false;
    const std::size_t dot = name.rfind('.');
    const std::string_view extension = dot == std::string_view::npos ? "" : name.substr(dot);
    return extension == pattern.substr(1);
  }
  return name == pattern;
}

bool EntersFolderWithAttributes(std::uint32_t attributes) {
  return std::find(kEnteredAttributeWords.begin(), kEnteredAttributeWords.end(), attributes) !=
         kEnteredAttributeWords.end();
}

std::vector<std::string> TickedPatterns(const std::vector<JunkType>& types,
                                        const std::vector<bool>& ticks) {
  std::vector<std::string> patterns;
  for (std::size_t i = 0; i < types.size(); ++i) {
    if (i < ticks.size() ? ticks[i] : types[i].checked) patterns.push_back(types[i].pattern);
  }
  return patterns;
}

JunkScan::JunkScan(platform::Platform& platform, std::vector<std::string> patterns,
                   const cleanup::ProtectedPaths& protection, cleanup::WalkTurns& turns,
                   std::function<void(const std::string&)> showPath)
    : platform_(platform),
      patterns_(std::move(patterns)),
      protection_(protection),
      turns_(turns),
      showPath_(std::move(showPath)) {}

void JunkScan::ScanFolder(const std::string& folder, std::vector<TTempFileInfo>& found) {
  const auto entries = platform_.files.ListFolder(folder + "\\");
  if (!entries) return;
  for (const platform::FileEntry& entry : *entries) {
    if (turns_.EntryAndStop()) return;
    const std::string path = folder + "\\" + entry.name;
    if (EntersFolderWithAttributes(entry.attributes)) {
      if (showPath_) showPath_(path);
      if (!IsDotEntry(entry.name) && platform_.files.FolderExists(path)) {
        ScanFolder(path, found);
        if (turns_.stopRequested()) return;
      }
    }
    // Folders are walked, never found: a folder "x.bak" would go with everything in it.
    if (IsDotEntry(entry.name) || (entry.attributes & platform::file_attribute::kDirectory) != 0) {
      continue;
    }
    for (const std::string& pattern : patterns_) {
      if (MatchJunkType(entry.name, pattern)) {
        if (!protection_.Protects(path)) found.push_back({entry.name, path, entry.size});
        break;
      }
    }
  }
}

bool IsOnDrive(platform::Locale& locale, const TTempFileInfo& file, const std::string& driveId) {
  const std::size_t colon = file.Path.find(':');
  if (colon == std::string::npos) return false;
  return locale.Upper(std::string_view(file.Path).substr(0, colon + 1)) == driveId;
}

DriveFindings FindingsOn(platform::Locale& locale, const std::vector<TTempFileInfo>& found,
                         const std::string& driveId) {
  DriveFindings findings{.driveId = driveId};
  for (const TTempFileInfo& file : found) {
    if (!IsOnDrive(locale, file, driveId)) continue;
    ++findings.count;
    findings.bytes += file.Size;
  }
  return findings;
}

}  // namespace halvex::tools::junk_files
