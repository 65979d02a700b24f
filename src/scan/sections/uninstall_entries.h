#pragma once
// Uninstall entries: every subkey of the key
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall holds in "UninstallString"
// the command that removes its program. When the program file of that command is missing, the entry
// is a problem; its repair deletes the "UninstallString" value, and the entry's key with its other
// values stays.
#include "scan/section_routines.h"

namespace halvex::scan {

const SectionRoutines& UninstallEntriesSection();

}  // namespace halvex::scan
