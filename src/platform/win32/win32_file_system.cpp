#include "platform/win32/win32_file_system.h"

#include <windows.h>

// <windows.h> maps these names onto its A and W calls; here they name the interface's members.
#undef CopyFile
#undef DeleteFile
#undef GetDriveType
#undef ReplaceFile

#include <string>

namespace halvex::platform::win32 {
namespace {

FileTime ToFileTime(const FILETIME& time) {
  return static_cast<FileTime>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

// A text the system fills in: asked once with a buffer of MAX_PATH, again when it needs more.
template <typename Call>
std::string SystemText(Call call) {
  std::string text(MAX_PATH, '\0');
  DWORD length = call(text.data(), static_cast<DWORD>(text.size()));
  if (length >= text.size()) {
    text.resize(length + 1);
    length = call(text.data(), static_cast<DWORD>(text.size()));
    if (length >= text.size()) return {};
  }
  text.resize(length);
  return text;
}

// Writes all of the bytes, in pieces a DWORD can count.
bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD piece = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), piece, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

bool Write(std::string_view path, std::string_view bytes, bool append) {
  const std::string name(path);
  HANDLE file = CreateFileA(name.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE,
                            FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool written = WriteAll(file, bytes);
  if (written && !append) written = SetEndOfFile(file) != 0;
  return CloseHandle(file) != 0 && written;
}

}  // namespace

bool Win32FileSystem::SetAttributes(std::string_view path, std::uint32_t attributes) {
  const std::string name(path);
  return SetFileAttributesA(name.c_str(), attributes) != 0;
}

bool Win32FileSystem::FileExists(std::string_view path) {
  const std::optional<std::uint32_t> attributes = Attributes(path);
  return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::FolderExists(std::string_view path) {
  const std::optional<std::uint32_t> attributes = Attributes(path);
  return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::CreateFolder(std::string_view path) {
  const std::string name(path);
  return CreateDirectoryA(name.c_str(), nullptr) != 0;
}

bool Win32FileSystem::DeleteFile(std::string_view path) {
  const std::string name(path);
  return DeleteFileA(name.c_str()) != 0;
}

bool Win32FileSystem::CopyFile(std::string_view from, std::string_view to, bool failIfExists) {
  const std::string source(from), target(to);
  return CopyFileA(source.c_str(), target.c_str(), failIfExists) != 0;
}

bool Win32FileSystem::ReplaceFile(std::string_view from, std::string_view to) {
  const std::string source(from), target(to);
  return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

std::optional<std::vector<FileEntry>> Win32FileSystem::ListFolder(std::string_view folder) {
  if (folder.empty()) return std::nullopt;
  std::string pattern(folder);
  if (pattern.back() != '\\' && pattern.back() != '/') pattern += '\\';
  pattern += '*';
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  std::vector<FileEntry> entries;
  if (search == INVALID_HANDLE_VALUE) {
    // A drive root with nothing on it has no entry at all, not even "." and "..".
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return entries;
    return std::nullopt;
  }
  do {
    entries.push_back(
        FileEntry{found.cFileName, found.dwFileAttributes,
                  static_cast<std::uint64_t>(found.nFileSizeHigh) << 32 | found.nFileSizeLow,
                  ToFileTime(found.ftCreationTime), ToFileTime(found.ftLastWriteTime)});
  } while (FindNextFileA(search, &found));
  const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
  FindClose(search);
  if (!complete) return std::nullopt;
  return entries;
}

std::optional<std::uint32_t> Win32FileSystem::Attributes(std::string_view path) {
  const std::string name(path);
  const DWORD attributes = GetFileAttributesA(name.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

std::optional<std::string> Win32FileSystem::ReadFile(std::string_view path) {
  const std::string name(path);
  HANDLE file = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  LARGE_INTEGER size;
  std::optional<std::string> bytes;
  if (GetFileSizeEx(file, &size) && size.QuadPart >= 0 &&
      static_cast<unsigned long long>(size.QuadPart) < std::string().max_size()) {
    bytes.emplace(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes->size()) {
      const std::size_t left = bytes->size() - done;
      const DWORD piece = left > 0x10000000 ? 0x10000000 : static_cast<DWORD>(left);
      DWORD read = 0;
      if (!::ReadFile(file, bytes->data() + done, piece, &read, nullptr)) {
        bytes.reset();
        break;
      }
      if (read == 0) break;  // the file became shorter while it was read
      done += read;
    }
    if (bytes) bytes->resize(done);
  }
  CloseHandle(file);
  return bytes;
}

bool Win32FileSystem::WriteFile(std::string_view path, std::string_view bytes) {
  return Write(path, bytes, false);
}

bool Win32FileSystem::AppendFile(std::string_view path, std::string_view bytes) {
  return Write(path, bytes, true);
}

DriveType Win32FileSystem::GetDriveType(std::string_view root) {
  const std::string name(root);
  const UINT type = GetDriveTypeA(name.c_str());
  return type <= DRIVE_RAMDISK ? static_cast<DriveType>(type) : DriveType::Unknown;
}

std::optional<DiskSpace> Win32FileSystem::GetDiskSpace(std::string_view root) {
  const std::string name(root);
  ULARGE_INTEGER available, total;
  if (!GetDiskFreeSpaceExA(name.c_str(), &available, &total, nullptr)) return std::nullopt;
  return DiskSpace{available.QuadPart, total.QuadPart};
}

std::string Win32FileSystem::WindowsFolder() {
  return SystemText([](char* buffer, DWORD size) { return GetWindowsDirectoryA(buffer, size); });
}

std::string Win32FileSystem::SystemFolder() {
  return SystemText([](char* buffer, DWORD size) { return GetSystemDirectoryA(buffer, size); });
}

std::string Win32FileSystem::TempFolder() {
  return SystemText([](char* buffer, DWORD size) { return GetTempPathA(size, buffer); });
}

std::string Win32FileSystem::ProgramFolder() {
  // GetModuleFileNameA cuts a long name to the buffer and answers its size; grow until it fits.
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of('\\') + 1);
}

}  // namespace halvex::platform::win32
