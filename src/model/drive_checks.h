#pragma once
// The drives whose files the scan does not test: removable, network, CD-ROM and RAM drives,
// where a missing file says nothing about a broken entry (the medium may just be absent).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/locale.h"

namespace halvex::model {

// Drive names, each a letter and a colon ("D:"). A: and B: are never in it; the scanners test
// "A:" on their own (the floppy test).
using ExcludedDriveList = std::vector<std::string>;

// Asks the platform for the type of the drives C: to Z: in that order and lists the removable,
// remote, CD-ROM and RAM drives. Stops early, keeping what it has, when `abortFlag` reads 3 (stop
// a repair) before a letter is examined.
ExcludedDriveList BuildExcludedDriveList(platform::FileSystem& files,
                                         const std::uint8_t& abortFlag);

// False when the text contains any excluded drive name, anywhere and without regard to case: a
// command line whose argument lies on a CD-ROM counts as on it. True for an empty list.
bool IsOnScannableDrive(platform::Locale& locale, const ExcludedDriveList& excludedDrives,
                        std::string_view text);

}  // namespace halvex::model
