#pragma once
// A binding's file system with an empty scratch folder of its own below the temporary folder,
// removed again afterwards with everything in it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/platform/platform_bindings.h"

namespace halvex::testing {

class FilesScratch {
 public:
  // Throws when the scratch folder cannot be made.
  explicit FilesScratch(std::unique_ptr<FilesUnderTest> underTest);
  ~FilesScratch();
  FilesScratch(const FilesScratch&) = delete;
  FilesScratch& operator=(const FilesScratch&) = delete;

  FilesUnderTest& underTest() { return *underTest_; }
  platform::FileSystem& files() { return underTest_->files(); }
  // The scratch folder, without a trailing backslash.
  const std::string& folder() const { return folder_; }
  // A path below the scratch folder: Path("a\\b.txt") is <scratch>\a\b.txt.
  std::string Path(const std::string& below) const { return folder_ + "\\" + below; }

 private:
  std::unique_ptr<FilesUnderTest> underTest_;
  std::string folder_;
};

// The fixture of a file system contract suite: every TEST_P on it runs once per binding.
class FilesContract : public ::testing::TestWithParam<FilesBinding> {
 protected:
  void SetUp() override { scratch_ = std::make_unique<FilesScratch>(GetParam().make()); }
  void TearDown() override { scratch_.reset(); }

  platform::FileSystem& files() { return scratch_->files(); }
  FilesUnderTest& underTest() { return scratch_->underTest(); }
  const std::string& folder() const { return scratch_->folder(); }
  std::string Path(const std::string& below) const { return scratch_->Path(below); }

  void Write(const std::string& below, const std::string& bytes);
  void MakeFolder(const std::string& below);
  // The file's bytes, or "<unreadable>".
  std::string Read(const std::string& below);
  // The names ListFolder gives, sorted; {"<unlistable>"} when it fails.
  std::vector<std::string> Names(const std::string& folder);

 private:
  std::unique_ptr<FilesScratch> scratch_;
};

}  // namespace halvex::testing
