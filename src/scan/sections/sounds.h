#pragma once
// Sounds: the default value of the key "Control Panel\Sounds" names a sound that the system
// no longer plays from there. Whenever it holds text it is reported; the repair deletes it.
#include "scan/section_routines.h"

namespace halvex::scan {

const SectionRoutines& SoundsSection();

}  // namespace halvex::scan
