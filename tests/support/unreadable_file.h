#pragma once
// A file system in which one file exists but cannot be read, as a file another program holds
// locked; every other call goes to the binding underneath.
#include <string>

#include "tests/support/forwarding_file_system.h"

namespace halvex::testing {

class UnreadableFile final : public ForwardingFileSystem {
 public:
  UnreadableFile(platform::FileSystem& files, std::string path)
      : ForwardingFileSystem(files), path_(std::move(path)) {}

  std::optional<std::string> ReadFile(std::string_view path) override {
    if (path == path_) return std::nullopt;
    return files_.ReadFile(path);
  }

 private:
  std::string path_;
};

}  // namespace halvex::testing
