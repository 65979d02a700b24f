#pragma once
// The environment variables that registry data uses in paths, put in as the program knows them.
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

}  // namespace halvex::model
