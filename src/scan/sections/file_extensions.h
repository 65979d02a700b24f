#pragma once
// File extensions: extension keys of HKEY_CLASSES_ROOT whose default value is set but empty, an
// extension registered without any class. Its repair deletes the whole extension key with its
// values and subkeys (ShellNew, OpenWithProgids), all of which the backup saves first.
#include "scan/section_routines.h"

namespace halvex::scan {

const SectionRoutines& FileExtensionsSection();

}  // namespace halvex::scan
