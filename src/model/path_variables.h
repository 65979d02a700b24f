#pragma once
// The environment variables that registry data uses in paths, put in as the program knows them.
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/locale.h"
#include "platform/registry.h"

namespace halvex::model {

// Replaces "%systemroot%" and "%windir%" by the Windows folder and "%ProgramFiles%" by the
// ProgramFilesDir setting, in this order. Each variable is found without regard to case, and
// putting one in upper-cases the whole text: "%windir%\notepad.exe" gives
// "C:\WINDOWS\NOTEPAD.EXE". A text without any of them comes back unchanged.
std::string ExpandPathVariables(platform::Locale& locale, platform::FileSystem& files,
                                platform::Registry& registry, std::string_view text);

// The path that registry data names, ready for the file test: without its double quotes, and
// with "%SystemRoot%" and "%windir%" (the Windows folder), "%ProgramFiles%" and
// "%CommonProgramFiles%" (the ProgramFilesDir and CommonFilesDir settings) and "%SystemDrive%"
// (the Windows folder's drive, e.g. "C:") put in wherever they occur, found without regard to
// case; the rest of the text keeps its case. nullopt when a "%" is left over (a variable the
// program cannot put in, or a setting that is missing): the scanners pass such a path over,
// since a file test of it could only call a sound entry broken.
std::optional<std::string> PathToTest(platform::Locale& locale, platform::FileSystem& files,
                                      platform::Registry& registry, std::string_view text);

}  // namespace halvex::model
