#pragma once
// Invalid shortcuts: the one section that walks the file system instead of the registry. Every
// shortcut file (".lnk") on every fixed drive whose target file or folder does not exist is a
// problem; the repair deletes the shortcut file.
#include "scan/section_routines.h"

namespace halvex::scan {

const SectionRoutines& ShortcutsSection();

}  // namespace halvex::scan
