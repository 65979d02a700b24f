#pragma once
// The pieces of the system registry editor's .reg syntax that every writer of such files
// shares: the two header lines, the escaping of quoted names and strings, and hex data.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace halvex::platform {

inline constexpr std::string_view kRegedit4Header = "REGEDIT4";
inline constexpr std::string_view kVersion5Header = "Windows Registry Editor Version 5.00";

// A value name or string data as it stands between double quotes: \ and " always; CR and LF,
// which would end the line, as the \r and \n escapes that the registry editor reads back.
std::string EscapeRegString(std::string_view text);

enum class HexDigits { Lower, Upper };

// Appends the bytes as two hex digits each, separated by commas, with no comma at the end.
void AppendHexBytes(std::string& out, std::span<const std::uint8_t> bytes, HexDigits digits);

}  // namespace halvex::platform
