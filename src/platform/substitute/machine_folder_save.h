#pragma once
// Writing a substitute machine back into the folder it was loaded from, so that what the
// logic changed (a repair, a restore, the backups it wrote) is there the next time:
// DIR/registry.reg gets the whole registry, DIR/drives/<letter> the files of each drive, and
// DIR/attributes.ini what the host cannot keep of them; DIR/recycled gains what was recycled.
#include <optional>

#include "platform/substitute/machine_folder.h"

namespace halvex::platform::substitute {

// registry.reg is rewritten whole by the .reg writer (comments in it do not survive), in the
// header it had: REGEDIT4 as 8-bit text, version 5.00 as UTF-16, as the registry editor
// writes them. It is written beside and then moved over the old file, so it is never half
// written. Each drive folder is made to hold what the working copy holds: new and changed files
// are copied in with their times, files and folders the working copy no longer has are
// removed, and folders without files that only the working copy has (the system folders the
// loader makes) are not added. attributes.ini is rewritten from what the machine keeps for its
// files (comments in it do not survive): lines of deleted files go, a moved file's line follows
// it, and times are written to the second.
[[nodiscard]] std::optional<MachineFolderError> SaveMachineFolder(SubstituteMachine& machine);

}  // namespace halvex::platform::substitute
