#include "platform/win32/win32_file_identities.h"

#include <windows.h>

#include <string>

namespace halvex::platform::win32 {

std::optional<FileIdentity> Win32FileIdentities::IdentityOf(std::string_view path) {
  const std::string pathText(path);
  // No access asked: the identity needs none, so a file open elsewhere still answers.
  // FILE_FLAG_BACKUP_SEMANTICS lets a folder open too.
  HANDLE file =
      CreateFileA(pathText.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = GetFileInformationByHandle(file, &info) != FALSE;
  CloseHandle(file);
  if (!known) return std::nullopt;
  return FileIdentity{info.dwVolumeSerialNumber,
                      (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

}  // namespace halvex::platform::win32
