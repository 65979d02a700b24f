#pragma once
// Help files: the values of HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\Help and of
// ...\Windows\Html Help are named after help files and hold the folder each lies in. A value
// whose file is missing from its folder is a problem; its repair deletes that value.
#include <string_view>

#include "scan/section_routines.h"

namespace halvex::scan {

const SectionRoutines& HelpFilesSection();

// Examines the values of one help key (a path below the scan's root).
void CheckHelpKeyValues(SectionScan& scan, std::string_view keyPath);

}  // namespace halvex::scan
