#pragma once
// The pairs of code page 936, taken from the host's iconv (glibc's CP936 converter). Builds
// without iconv (mingw, for halvex-cli.exe) have no table: the code page still knows its lead
// bytes and ASCII, but no double-byte characters.
#include <optional>
#include <string>

namespace halvex::platform::substitute {

// The character of a lead byte (0x81-0xFE) and a trail byte; nullopt for no character.
std::optional<char16_t> Decode936Pair(unsigned char lead, unsigned char trail);
// The bytes of a character outside ASCII; nullopt when code page 936 cannot hold it.
std::optional<std::string> Encode936(char16_t character);
// Whether this build can convert pairs at all.
bool Has936Table();

}  // namespace halvex::platform::substitute
