#pragma once
// Most recently used files: the user's history of files opened and saved through the file
// dialogs (one subkey per file type below the driver's OpenSaveMRU key) and of commands typed
// into the Run dialog (kRunMruKey). Every entry is listed, so that the user can clear the
// history; the repair deletes the values, never the keys.
#include <string_view>

#include "scan/section_routines.h"

namespace halvex::scan {

const SectionRoutines& RecentFilesSection();

inline constexpr std::string_view kRunMruKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";

}  // namespace halvex::scan
