#pragma once
// Folders and files the scanners compare registry data with, asked of the platform. Lookups
// that fail give empty texts; the tests built on them then pass or fail by their definitions.
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell_links.h"

namespace halvex::model {

enum class ProgramFilesKind { ProgramFiles = 0, CommonFiles = 1 };

// "ProgramFilesDir" or "CommonFilesDir" of HKEY_LOCAL_MACHINE
// "SOFTWARE\Microsoft\Windows\CurrentVersion"; empty when the key does not open (it is never
// created) or the value is missing. A value of a non-text type throws RegistryError, as every
// text read of the registry object does.
std::string ReadProgramFilesDir(platform::Registry& registry, ProgramFilesKind kind);

// The first three characters of the temporary folder, e.g. "C:\".
std::string GetTempDriveRoot(platform::FileSystem& files);

// The Windows folder followed by one "\", e.g. "C:\WINDOWS\" or "C:\Windows\"; empty when the
// platform names none. It stands in for "%SYSTEMROOT%\" in command lines. It is the folder the
// system names, not a guess from the system folder's spelling, so a system installed in
// C:\Windows is not mistaken for one in C:\WINNT, whose entries would all look broken.
std::string GuessWindowsFolder(platform::FileSystem& files);

// The first three characters of the system folder followed by
// "Documents and Settings\All Users".
std::string GetAllUsersProfileDir(platform::FileSystem& files);

// The path the shortcut file points at; empty when it is no shortcut or holds no path.
std::string GetShortcutTarget(platform::ShellLinks& links, std::string_view shortcutPath);

}  // namespace halvex::model
