#pragma once
// Start menu items: the sort order that Explorer keeps for the folders of the Start menu's
// Programs menu (one subkey per folder below the driver's key). Every folder and every value
// in it is listed, so that the user can clear the stored order; the repair deletes the folder
// subkeys.
#include "scan/section_routines.h"

namespace halvex::scan {

const SectionRoutines& StartMenuItemsSection();

}  // namespace halvex::scan
