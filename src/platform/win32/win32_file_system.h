#pragma once
// Files, folders and drives over the system's ANSI calls.
#include "platform/file_system.h"

namespace halvex::platform::win32 {

class Win32FileSystem final : public FileSystem {
 public:
  // Not part of the interface: the logic never sets attributes, the contract tests do.
  [[nodiscard]] bool SetAttributes(std::string_view path, std::uint32_t attributes);

  bool FileExists(std::string_view path) override;
  bool FolderExists(std::string_view path) override;
  bool CreateFolder(std::string_view path) override;
  bool DeleteFile(std::string_view path) override;
  bool CopyFile(std::string_view from, std::string_view to, bool failIfExists) override;
  bool ReplaceFile(std::string_view from, std::string_view to) override;
  std::optional<std::vector<FileEntry>> ListFolder(std::string_view folder) override;
  std::optional<std::uint32_t> Attributes(std::string_view path) override;
  std::optional<std::string> ReadFile(std::string_view path) override;
  // Rewrites the file in place (opened, written, cut to its new length), so that an existing
  // hidden or system file can be rewritten and keeps its attributes.
  bool WriteFile(std::string_view path, std::string_view bytes) override;
  bool AppendFile(std::string_view path, std::string_view bytes) override;
  DriveType GetDriveType(std::string_view root) override;
  std::optional<DiskSpace> GetDiskSpace(std::string_view root) override;
  std::string WindowsFolder() override;
  std::string SystemFolder() override;
  std::string TempFolder() override;
  std::string ProgramFolder() override;
};

}  // namespace halvex::platform::win32
