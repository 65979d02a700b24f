#pragma once
// The duplicate file walk: files are grouped by name alone (equal size and equal modification
// time are optional further conditions); contents are never compared.
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/platform.h"
#include "tools/cleanup/walk_turns.h"

namespace halvex::tools::duplicates {

// One file of a group.
struct TScanResult {
  std::uint64_t size = 0;
  platform::FileTime modified = 0;  // last write, UTC as the file keeps it
  platform::FileTime created = 0;
  std::string folder;  // ending in "\": C:\Windows\;
};

// One name met during a walk, with every file of that name that joined it; the first is the
// group's reference.
struct TSearchStat {
  std::string name;
  std::vector<TScanResult> instances;
  int count() const { return static_cast<int>(instances.size()); }
};

struct DuplicateOptions {
  bool sameSize = false;                       // cbFileSize
  bool sameModifiedTime = false;               // cbFileModifyTime
  bool excludeFolder = true;                   // cbUserDir
  std::string excludedFolder = "C:\\Windows";  // edUserDir
  bool minimumSize = false;                    // cbUserFileSize
  unsigned minimumKB = 10;                     // sedUserFileSize
};

class DuplicateScan {
 public:
  DuplicateScan(platform::Platform& platform, DuplicateOptions options, cleanup::WalkTurns& turns,
                std::function<void(const std::string&)> showPath = {},
                std::function<void()> recordsChanged = {});

  // Walks `folder` ("C:") and all below it; ends at the next entry once a stop is requested.
  void ScanForDuplicates(const std::string& folder);

  // Every name met, in the order first met.
  const std::vector<TSearchStat>& records() const { return records_; }
  void Clear();

 private:
  bool IsExcluded(const std::string& path) const;
  bool JoinsGroup(const TSearchStat& record, const platform::FileEntry& entry) const;
  bool LargeEnough(const platform::FileEntry& entry) const;

  platform::Platform& platform_;
  DuplicateOptions options_;
  std::string excludedKey_;
  cleanup::WalkTurns& turns_;
  std::function<void(const std::string&)> showPath_;
  std::function<void()> recordsChanged_;
  std::vector<TSearchStat> records_;
  // The record of each name: the first record with that name, found without a search.
  std::unordered_map<std::string, std::size_t> recordOfName_;
};

// The attribute words whose folders the duplicate walk enters, compared exactly: system,
// folder, hidden folder, read-only hidden folder, archive, normal, temporary.
bool DuplicateWalkEnters(std::uint32_t attributes);

}  // namespace halvex::tools::duplicates
