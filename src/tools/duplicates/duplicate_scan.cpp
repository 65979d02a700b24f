#include "tools/duplicates/duplicate_scan.h"

#include <algorithm>
#include <array>

namespace halvex::tools::duplicates {
namespace {

constexpr std::array<std::uint32_t, 7> kEnteredAttributeWords = {4, 16, 18, 19, 32, 128, 256};

bool IsDotEntry(std::string_view name) {
  return name == "." || name == "..";
}

std::string FolderKey(platform::Locale& locale, std::string_view folder) {
  std::string key = locale.Upper(folder);
  while (key.size() > 3 && key.back() == '\\') key.pop_back();
  return key;
}

}  // namespace

bool DuplicateWalkEnters(std::uint32_t attributes) {
  return std::find(kEnteredAttributeWords.begin(), kEnteredAttributeWords.end(), attributes) !=
         kEnteredAttributeWords.end();
}

DuplicateScan::DuplicateScan(platform::Platform& platform, DuplicateOptions options,
                             cleanup::WalkTurns& turns,
                             std::function<void(const std::string&)> showPath,
                             std::function<void()> recordsChanged)
    : platform_(platform),
      options_(std::move(options)),
      excludedKey_(FolderKey(platform.locale, options_.excludedFolder)),
      turns_(turns),
      showPath_(std::move(showPath)),
      recordsChanged_(std::move(recordsChanged)) {}

void DuplicateScan::Clear() {
  records_.clear();
  recordOfName_.clear();
}

bool DuplicateScan::IsExcluded(const std::string& path) const {
  // Upper-cased, a trailing "\" ignored: "C:\WINDOWS" is excluded by the default "C:\Windows".
  return options_.excludeFolder && FolderKey(platform_.locale, path) == excludedKey_;
}

bool DuplicateScan::LargeEnough(const platform::FileEntry& entry) const {
  return !options_.minimumSize ||
         entry.size >= static_cast<std::uint64_t>(options_.minimumKB) * 1024;
}

bool DuplicateScan::JoinsGroup(const TSearchStat& record, const platform::FileEntry& entry) const {
  const TScanResult& reference = record.instances.front();
  if (options_.sameSize && entry.size != reference.size) return false;
  if (options_.sameModifiedTime && entry.lastWriteTime != reference.modified) return false;
  return LargeEnough(entry);
}

void DuplicateScan::ScanForDuplicates(const std::string& folder) {
  const auto entries = platform_.files.ListFolder(folder + "\\");
  if (!entries) return;
  for (const platform::FileEntry& entry : *entries) {
    if (turns_.EntryAndStop()) return;
    const std::string path = folder + "\\" + entry.name;
    if (DuplicateWalkEnters(entry.attributes)) {
      if (showPath_) showPath_(path);
      if (!IsDotEntry(entry.name) && platform_.files.FolderExists(path) && !IsExcluded(path)) {
        ScanForDuplicates(path);
        if (turns_.stopRequested()) return;
      }
    }
    // Folders are walked, never grouped: deleting a "copy" would take a whole folder.
    if ((entry.attributes & platform::file_attribute::kDirectory) != 0) continue;
    // Names compare exactly, letter case included: A.TXT and a.txt are two groups.
    const auto known = recordOfName_.find(entry.name);
    if (known != recordOfName_.end()) {
      TSearchStat& record = records_[known->second];
      if (!JoinsGroup(record, entry)) continue;
      record.instances.push_back(
          {entry.size, entry.lastWriteTime, entry.creationTime, folder + "\\"});
      if (recordsChanged_) recordsChanged_();
      continue;
    }
    if (IsDotEntry(entry.name) || entry.name.find('.') == std::string::npos ||
        !LargeEnough(entry)) {
      continue;
    }
    recordOfName_.emplace(entry.name, records_.size());
    records_.push_back(
        {entry.name, {{entry.size, entry.lastWriteTime, entry.creationTime, folder + "\\"}}});
    if (recordsChanged_) recordsChanged_();
  }
}

}  // namespace halvex::tools::duplicates
