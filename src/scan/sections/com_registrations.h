#pragma once
// ActiveX, OLE, COM: broken component registrations under HKEY_CLASSES_ROOT. One walk over the
// whole tree reports help-folder keys ("HELPDIR") and server keys ("InprocServer",
// "InprocServer32", "LocalServer32") whose default value is empty; a pass over the class
// identifiers reports type library references to a type library that is not registered. The
// repair deletes the offending key with everything below it.
#include "scan/section_routines.h"

namespace halvex::scan {

const SectionRoutines& ComRegistrationsSection();

}  // namespace halvex::scan
