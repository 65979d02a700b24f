#pragma once
// Startup programs: the order entries that Explorer keeps for the program folders of the Start
// menu, one subkey per folder below the Programs key of the menu's order key. A subkey whose
// folder exists neither in the all users' Programs folder nor in the user's is a problem; the
// repair deletes that subkey.
#include <string_view>

#include "scan/section_routines.h"

namespace halvex::scan {

const SectionRoutines& MenuOrderProgramsSection();

// Where the two Programs folders are read from, below HKEY_CURRENT_USER: the all users' folder
// from the first (with %USERPROFILE% standing for the all users' profile), the user's from the
// second.
inline constexpr std::string_view kUserShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
inline constexpr std::string_view kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

}  // namespace halvex::scan
