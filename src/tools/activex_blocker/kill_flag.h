#pragma once
// Internet Explorer's kill flag for one ActiveX control: the REG_DWORD value
// "Compatibility Flags" = 0x400 in HKEY_LOCAL_MACHINE's compatibility key of its class
// identifier. The compatibility key may hold other values (AlternateCLSID, a flag set by
// someone else's tool): locking and unlocking change only the flag.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace halvex::tools::activex {

inline constexpr std::string_view kCompatibilityKey =
    "SOFTWARE\\Microsoft\\Internet Explorer\\ActiveX Compatibility\\";
inline constexpr std::string_view kCompatibilityFlags = "Compatibility Flags";
inline constexpr std::uint32_t kKillBit = 0x400;

// The control's compatibility key below HKEY_LOCAL_MACHINE.
std::string CompatibilityKeyOf(std::string_view classId);

// True exactly when the flag exists, is a REG_DWORD and equals 0x400; any other value or type
// leaves the control free.
bool IsKillFlagSet(platform::Registry& registry, std::string_view classId);

// Creates the key when needed and writes the flag. True only once the value was written.
[[nodiscard]] bool SetKillFlag(platform::Registry& registry, std::string_view classId);

// Removes the flag, then the key when nothing else is left in it. True when the control has
// no flag afterwards (also when it had none); false when the flag could not be removed.
[[nodiscard]] bool ClearKillFlag(platform::Registry& registry, std::string_view classId);

}  // namespace halvex::tools::activex
