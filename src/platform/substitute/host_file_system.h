#pragma once
// The file system of the substitute machine: each drive letter is mapped onto a host folder,
// and Windows paths are resolved onto it as the system resolves them: names compare without
// regard to case (through the code page's upper-casing) on a host that compares them exactly.
//
// What the host cannot keep lives in an overlay: the attribute bits other than the folder bit
// (a file has "archive" until told otherwise), and creation and last-write times (both are the
// host's modification time until set). Drive types and free and total space are scripted per
// drive. A drive letter that is not configured does not exist.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/substitute/code_page.h"
#include "platform/substitute/windows_path.h"

namespace halvex::platform::substitute {

struct HostDrive {
  char letter = 'C';
  // The host folder that holds the drive's root. A folder that does not exist yet is an empty
  // drive; the first file or folder written to the drive creates it.
  std::filesystem::path folder;
  DriveType type = DriveType::Fixed;
  DiskSpace space{1ull << 30, 4ull << 30};  // 1 GiB free of 4 GiB unless scripted
};

// The system's folders, each on a configured drive. Whatever their trailing backslashes, the
// file system answers them as the system does (see FileSystem).
struct SystemFolders {
  std::string windows = "C:\\WINDOWS";
  std::string system = "C:\\WINDOWS\\system32";
  std::string temp = "C:\\WINDOWS\\TEMP\\";
  std::string program = "C:\\Program Files\\Halvex\\";
};

class HostFileSystem final : public FileSystem {
 public:
  HostFileSystem(std::vector<HostDrive> drives, SystemFolders folders,
                 const CodePage& codePage = CodePage::Windows1252());

  // The overlay. Both fail when nothing of that path exists. SetAttributes keeps every bit but
  // the folder bit, which comes from the host; kNormal alone, or 0, clears them all.
  [[nodiscard]] bool SetAttributes(std::string_view path, std::uint32_t attributes);
  [[nodiscard]] bool SetTimes(std::string_view path, std::optional<FileTime> creation,
                              std::optional<FileTime> lastWrite);
  // The host path of an existing file or folder, for tests and for saving a machine back.
  std::optional<std::filesystem::path> HostPath(std::string_view path) const;
  // What the overlay holds for one existing file or folder, by its Windows path.
  struct OverlaidPath {
    std::string path;
    std::optional<std::uint32_t> attributes;
    std::optional<FileTime> creation;
    std::optional<FileTime> lastWrite;
  };
  // Every existing file and folder the overlay holds anything for, for saving a machine back:
  // deleted entries are gone from it, and moved ones are under their new path.
  std::vector<OverlaidPath> OverlaidPaths() const;
  const std::vector<HostDrive>& drives() const { return drives_; }

  bool FileExists(std::string_view path) override;
  bool FolderExists(std::string_view path) override;
  bool CreateFolder(std::string_view path) override;
  // A read-only file is not deleted, overwritten, appended to or replaced, as on the system.
  bool DeleteFile(std::string_view path) override;
  // The copy keeps the source's attributes and last-write time; an existing target is
  // overwritten only when failIfExists is false and the target is not read-only.
  bool CopyFile(std::string_view from, std::string_view to, bool failIfExists) override;
  // Within one drive only, as the system's move without copying; attributes and times travel
  // with the file.
  bool ReplaceFile(std::string_view from, std::string_view to) override;
  // Sorted by the upper-cased name; the drive root lists no "." and "..", as on the system.
  std::optional<std::vector<FileEntry>> ListFolder(std::string_view folder) override;
  std::optional<std::uint32_t> Attributes(std::string_view path) override;
  std::optional<std::string> ReadFile(std::string_view path) override;
  // Writing makes the last-write time the host's again (the moment of the write).
  bool WriteFile(std::string_view path, std::string_view bytes) override;
  bool AppendFile(std::string_view path, std::string_view bytes) override;
  // Only a drive root ("C:\", "C:" or "C:/") has a type: any other text is NoRootDir.
  DriveType GetDriveType(std::string_view root) override;
  std::optional<DiskSpace> GetDiskSpace(std::string_view root) override;
  std::string WindowsFolder() override { return folders_.windows; }
  std::string SystemFolder() override { return folders_.system; }
  std::string TempFolder() override { return folders_.temp; }
  std::string ProgramFolder() override { return folders_.program; }

 private:
  // Where a Windows path lands on the host. A path whose folder exists is located even when
  // its last name does not, so that it can be created.
  struct Location {
    const HostDrive* drive = nullptr;
    std::filesystem::path host;  // existing names in their host case, a new last name as given
    bool exists = false;
    bool isFolder = false;
    bool folderOnly = false;  // the path ended with a separator
    bool isRoot = false;
    std::string lastName;  // the last name as the path gave it
  };
  struct Overlay {
    std::optional<std::uint32_t> attributes;
    std::optional<FileTime> creation;
    std::optional<FileTime> lastWrite;
  };

  std::optional<Location> Locate(std::string_view path) const;
  const HostDrive* FindDrive(char letter) const;
  // The host entry of `folder` whose name matches `name` without regard to case.
  std::optional<std::filesystem::path> FindEntry(const std::filesystem::path& folder,
                                                 std::string_view name) const;
  // A host name in the code page; nullopt for a name that is no text in the host's encoding.
  std::optional<std::string> WindowsName(const std::filesystem::path& hostName) const;
  std::filesystem::path HostName(std::string_view name) const;
  std::uint32_t AttributesOf(const std::filesystem::path& host, bool isFolder) const;
  FileEntry EntryOf(std::string name, const std::filesystem::path& host, bool isFolder) const;
  bool IsReadOnly(const std::filesystem::path& host) const;
  bool IsWritableFileTarget(const std::optional<Location>& target) const;
  bool EnsureDriveFolder(const HostDrive& drive) const;
  // The overlay of `from` and of everything below it now belongs to `to`.
  void MoveOverlay(const std::filesystem::path& from, const std::filesystem::path& to);
  void ForgetOverlay(const std::filesystem::path& host);
  bool Write(std::string_view path, std::string_view bytes, bool append);

  std::vector<HostDrive> drives_;
  SystemFolders folders_;
  const CodePage& codePage_;
  std::map<std::filesystem::path, Overlay> overlay_;
};

}  // namespace halvex::platform::substitute
