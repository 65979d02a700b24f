#pragma once
// Application paths: each subkey of the key
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths is named after a program
// and holds its location in the default value, and optionally a folder in "Path". When the program
// file is missing, the subkey is a problem; its repair deletes the whole subkey, which the backup
// saves first.
#include <optional>
#include <string>
#include <string_view>

#include "scan/section_routines.h"

namespace halvex::scan {

const SectionRoutines& AppPathsSection();

// Examines one subkey (its path below the scan's root) and adds its problem.
void CheckAppPathKey(SectionScan& scan, std::string_view subkeyName, std::string_view subkeyPath);

// The program path to test: a bare file name is looked for in the folder of "Path"; anything
// else is the program text with its quotes removed and its variables put in. nullopt when it
// holds a variable the program cannot put in.
std::optional<std::string> CheckAppPathFolder(SectionScan& scan, std::string_view pathValue,
                                              std::string_view programText);

}  // namespace halvex::scan
