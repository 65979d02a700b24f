#pragma once
// Fonts: the installed fonts, one value per font of the key
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Fonts holding its file: a
// name in the Windows fonts folder, or a full path for a font installed elsewhere. A value whose
// file is missing is a problem; its repair deletes the value.
#include "scan/section_routines.h"

namespace halvex::scan {

const SectionRoutines& FontsSection();

}  // namespace halvex::scan
