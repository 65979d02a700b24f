#pragma once
// Turning a command line found in the registry into the path of the file it runs.
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/locale.h"

namespace halvex::model {

enum class CommandPathVariant {
  // For data that is a command line: an existing file is taken whole, otherwise the path is cut
  // out of the text (the uninstall entries).
  A,
  // For data that may also be a resource reference: first drops a leading "@", removes double
  // quotes and puts the Windows folder in place of "%SYSTEMROOT%\" (upper-casing the text), then
  // goes on as A (the software settings and the startup manager).
  B,
};

// The path of the file a command line names, without its arguments:
// "C:\Program Files\App\uninst.exe /S" gives "C:\Program Files\App\uninst.exe",
// "rundll32.exe C:\WINDOWS\x.dll,Entry" gives "C:\WINDOWS\x.dll" (what stood before the drive
// letter is dropped), "C:\App\a.exe /log=D:\x.log" gives "C:\App\a.exe" (a second path is cut
// off), and "uninst.exe /S" gives "uninst.exe". After the first dot of the file name only
// letters, digits and dots are kept.
std::string ExtractCommandPath(platform::Locale& locale, platform::FileSystem& files,
                               std::string_view text, CommandPathVariant variant);

// Whether the file that the command line names (variant A) exists.
bool CommandFileExists(platform::Locale& locale, platform::FileSystem& files,
                       std::string_view text);

}  // namespace halvex::model
