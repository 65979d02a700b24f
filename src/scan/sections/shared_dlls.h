#pragma once
// Shared DLLs: the machine-wide reference counts of shared libraries, one value per file path
// under HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\SharedDlls. A value whose
// file is missing, or whose count is 0, is a problem; its repair deletes the value.
#include <cstdint>
#include <optional>

#include "platform/registry.h"
#include "scan/section_routines.h"

namespace halvex::scan {

const SectionRoutines& SharedDllsSection();

// The reference count a value holds: a decimal text (0 when it is not a number), an integer,
// or binary data read as an unsigned little-endian number of its first bytes, up to four
// (0 when empty); -1 for any other type.
std::int64_t SharedDllReferenceCount(std::uint32_t type, const std::vector<std::uint8_t>& data);

}  // namespace halvex::scan
