#include "tests/platform/files_scratch.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <stdexcept>

namespace halvex::testing {

FilesScratch::FilesScratch(std::unique_ptr<FilesUnderTest> underTest)
    : underTest_(std::move(underTest)) {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::string parent = files().TempFolder() + "HalvexTests";
  folder_ = parent + "\\" + std::to_string(stamp) + "_" + std::to_string(counter++);
  if (!files().FolderExists(parent) && !files().CreateFolder(parent)) {
    throw std::runtime_error("cannot create " + parent);
  }
  if (!files().CreateFolder(folder_)) throw std::runtime_error("cannot create " + folder_);
}

FilesScratch::~FilesScratch() {
  // Attributes such as read-only would keep the binding from removing what a test left.
  std::vector<std::string> pending{folder_};
  while (!pending.empty()) {
    const std::string current = pending.back();
    pending.pop_back();
    const auto entries = files().ListFolder(current);
    if (!entries) continue;
    for (const platform::FileEntry& entry : *entries) {
      if (entry.name == "." || entry.name == "..") continue;
      const std::string path = current + "\\" + entry.name;
      (void)underTest_->SetAttributes(path, platform::file_attribute::kNormal);
      if ((entry.attributes & platform::file_attribute::kDirectory) != 0) pending.push_back(path);
    }
  }
  underTest_->RemoveTree(folder_);
}

void FilesContract::Write(const std::string& below, const std::string& bytes) {
  ASSERT_TRUE(files().WriteFile(Path(below), bytes)) << "writing " << Path(below);
}

void FilesContract::MakeFolder(const std::string& below) {
  ASSERT_TRUE(files().CreateFolder(Path(below))) << "creating " << Path(below);
}

std::string FilesContract::Read(const std::string& below) {
  return files().ReadFile(Path(below)).value_or("<unreadable>");
}

std::vector<std::string> FilesContract::Names(const std::string& folder) {
  const auto entries = files().ListFolder(folder);
  if (!entries) return {"<unlistable>"};
  std::vector<std::string> names;
  for (const platform::FileEntry& entry : *entries) names.push_back(entry.name);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace halvex::testing
