#pragma once
// A file system that hands every call to the binding underneath: the base of the test file
// systems that change one answer and override only that.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace halvex::testing {

class ForwardingFileSystem : public platform::FileSystem {
 public:
  explicit ForwardingFileSystem(platform::FileSystem& files) : files_(files) {}

  bool FileExists(std::string_view path) override { return files_.FileExists(path); }
  bool FolderExists(std::string_view path) override { return files_.FolderExists(path); }
  bool CreateFolder(std::string_view path) override { return files_.CreateFolder(path); }
  bool DeleteFile(std::string_view path) override { return files_.DeleteFile(path); }
  bool CopyFile(std::string_view from, std::string_view to, bool failIfExists) override {
    return files_.CopyFile(from, to, failIfExists);
  }
  bool ReplaceFile(std::string_view from, std::string_view to) override {
    return files_.ReplaceFile(from, to);
  }
  std::optional<std::vector<platform::FileEntry>> ListFolder(std::string_view folder) override {
    return files_.ListFolder(folder);
  }
  std::optional<std::uint32_t> Attributes(std::string_view path) override {
    return files_.Attributes(path);
  }
  std::optional<std::string> ReadFile(std::string_view path) override {
    return files_.ReadFile(path);
  }
  bool WriteFile(std::string_view path, std::string_view bytes) override {
    return files_.WriteFile(path, bytes);
  }
  bool AppendFile(std::string_view path, std::string_view bytes) override {
    return files_.AppendFile(path, bytes);
  }
  platform::DriveType GetDriveType(std::string_view root) override {
    return files_.GetDriveType(root);
  }
  std::optional<platform::DiskSpace> GetDiskSpace(std::string_view root) override {
    return files_.GetDiskSpace(root);
  }
  std::string WindowsFolder() override { return files_.WindowsFolder(); }
  std::string SystemFolder() override { return files_.SystemFolder(); }
  std::string TempFolder() override { return files_.TempFolder(); }
  std::string ProgramFolder() override { return files_.ProgramFolder(); }

 protected:
  platform::FileSystem& files_;
};

}  // namespace halvex::testing
