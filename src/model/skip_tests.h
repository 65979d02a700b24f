#pragma once
// The plain substring tests by which scanners pass over an entry without examining it. The
// fourth such test, the drive test, is IsOnScannableDrive (drive_checks.h) being false.
#include <string_view>

#include "platform/locale.h"

namespace halvex::model {

// The floppy test: the text contains "A:" in any case (anywhere, as "DATA:" does too).
bool IsFloppyReference(platform::Locale& locale, std::string_view text);
// The network test: the text contains two backslashes in a row.
bool IsNetworkReference(std::string_view text);
// The driver test: the text contains ".sys" or ".vxd" in any case.
bool IsDriverReference(platform::Locale& locale, std::string_view text);

}  // namespace halvex::model
