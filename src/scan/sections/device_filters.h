#pragma once
// Device filters: the filter driver lists "UpperFilters" and "LowerFilters" of the CD-ROM
// device class (kCdRomClassKey below HKEY_LOCAL_MACHINE) are reported whenever they exist,
// since a filter left by a removed burning program can keep the drives from working; the repair
// deletes them.
#include <string_view>

#include "scan/section_routines.h"

namespace halvex::scan {

const SectionRoutines& DeviceFiltersSection();

inline constexpr std::string_view kCdRomClassKey =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E965-E325-11CE-BFC1-08002BE10318}";

}  // namespace halvex::scan
