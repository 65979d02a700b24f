#pragma once
// Files, folders and drives as the logic needs them. Paths are Windows paths ("C:\dir\a.exe")
// in the system code page; names compare without regard to case, as the system compares them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"

namespace halvex::platform {

// Attribute bits, numbered as the system numbers them.
namespace file_attribute {
inline constexpr std::uint32_t kReadOnly = 0x1;
inline constexpr std::uint32_t kHidden = 0x2;
inline constexpr std::uint32_t kSystem = 0x4;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kArchive = 0x20;
inline constexpr std::uint32_t kNormal = 0x80;
inline constexpr std::uint32_t kTemporary = 0x100;
inline constexpr std::uint32_t kReparsePoint = 0x400;  // a junction or a symbolic link
inline constexpr std::uint32_t kCompressed = 0x800;
}  // namespace file_attribute

struct FileEntry {
  std::string name;  // the name alone, without its folder
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;
  FileTime creationTime = 0;
  FileTime lastWriteTime = 0;
};

// Drive types, numbered as the system's GetDriveType answers.
enum class DriveType : std::uint32_t {
  Unknown = 0,
  NoRootDir = 1,  // the drive does not exist
  Removable = 2,
  Fixed = 3,
  Remote = 4,
  CdRom = 5,
  RamDisk = 6,
};

struct DiskSpace {
  std::uint64_t freeBytes = 0;
  std::uint64_t totalBytes = 0;
};

// <windows.h> defines DeleteFile, CopyFile, ReplaceFile and GetDriveType as macros: a file that
// includes it and uses this interface must #undef them (see win32_file_system.cpp).
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // True for a file only; a folder of that name does not count.
  virtual bool FileExists(std::string_view path) = 0;
  virtual bool FolderExists(std::string_view path) = 0;

  [[nodiscard]] virtual bool CreateFolder(std::string_view path) = 0;
  [[nodiscard]] virtual bool DeleteFile(std::string_view path) = 0;
  [[nodiscard]] virtual bool CopyFile(std::string_view from, std::string_view to,
                                      bool failIfExists) = 0;
  // Moves `from` over `to`, replacing `to` when it exists: how a file is rewritten safely.
  [[nodiscard]] virtual bool ReplaceFile(std::string_view from, std::string_view to) = 0;

  // The entries of a folder in the file system's order, "." and ".." included (a drive root
  // has neither, as on the system); nullopt when the folder cannot be read.
  virtual std::optional<std::vector<FileEntry>> ListFolder(std::string_view folder) = 0;
  // The attributes of a file or folder; nullopt when there is none.
  virtual std::optional<std::uint32_t> Attributes(std::string_view path) = 0;

  virtual std::optional<std::string> ReadFile(std::string_view path) = 0;
  [[nodiscard]] virtual bool WriteFile(std::string_view path, std::string_view bytes) = 0;
  // Appends to the file, creating it when it does not exist.
  [[nodiscard]] virtual bool AppendFile(std::string_view path, std::string_view bytes) = 0;

  // `root` is a drive root such as "C:\".
  virtual DriveType GetDriveType(std::string_view root) = 0;
  virtual std::optional<DiskSpace> GetDiskSpace(std::string_view root) = 0;

  // As the system gives them: no trailing backslash for the Windows and system folders,
  // a trailing backslash for the temporary folder and the program folder.
  virtual std::string WindowsFolder() = 0;
  virtual std::string SystemFolder() = 0;
  virtual std::string TempFolder() = 0;
  // The folder of the executable, where the program keeps its own files.
  virtual std::string ProgramFolder() = 0;
};

}  // namespace halvex::platform
