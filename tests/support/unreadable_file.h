#pragma once
// A file system in which one file exists but cannot be read, as a file another program holds
// locked; every other call goes to the binding underneath.
#include <string>

#include "platform/file_system.h"

namespace halvex::testing {

class UnreadableFile final : public platform::FileSystem {
 public:
  UnreadableFile(platform::FileSystem& files, std::string path)
      : files_(files), path_(std::move(path)) {}

  std::optional<std::string> ReadFile(std::string_view path) override {
    if (path == path_) return std::nullopt;
    return files_.ReadFile(path);
  }

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

 private:
  platform::FileSystem& files_;
  std::string path_;
};

}  // namespace halvex::testing
