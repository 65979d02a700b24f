#pragma once
// The pieces of the system registry editor's .reg syntax that every reader and writer of such
// files shares: the two header lines, the value types whose hex data is text, the escaping of
// quoted names and strings, and hex data.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace halvex::platform {

inline constexpr std::string_view kRegedit4Header = "REGEDIT4";
inline constexpr std::string_view kVersion5Header = "Windows Registry Editor Version 5.00";

// hex(1), hex(2) and hex(7) data is text: UTF-16 in a UTF-16 file, 8-bit otherwise.
constexpr bool IsTextType(std::uint32_t type) {
  return type == reg_type::kString || type == reg_type::kExpandString ||
         type == reg_type::kMultiString;
}

// True for REG_SZ data that "..." gives back exactly: one string, its NUL, no line break.
bool IsPlainRegString(const std::vector<std::uint8_t>& data);

// A value name or string data as it stands between double quotes: \ and " always; CR and LF,
// which would end the line, as the \r and \n escapes that the registry editor reads back.
std::string EscapeRegString(std::string_view text);

// "hex:" for REG_BINARY, "hex(N):" with the type number in hex for every other type.
std::string RegHexTag(std::uint32_t type);

enum class HexDigits { Lower, Upper };

// Appends the bytes as two hex digits each, separated by commas, with no comma at the end.
void AppendHexBytes(std::string& out, std::span<const std::uint8_t> bytes, HexDigits digits);

// A name or a string as a UTF-16 file gives it back through the code page (`codePage` is
// anything with ToUtf16 and FromUtf16). Each text is converted on its own, never the whole line:
// in a double-byte code page a byte that begins a character but has no valid second byte becomes
// '?' inside its own text, where converting the line would take the closing quote, bracket or
// backslash after it into that '?' and the file would no longer read.
template <class CodePageLike>
std::string ThroughUtf16(CodePageLike& codePage, std::string_view text) {
  return codePage.FromUtf16(codePage.ToUtf16(text));
}

// A key path through UTF-16 name by name, so that no backslash between names is lost.
template <class CodePageLike>
std::string KeyPathThroughUtf16(CodePageLike& codePage, std::string_view path) {
  std::string converted;
  for (std::size_t start = 0;;) {
    const std::size_t end = path.find('\\', start);
    converted += ThroughUtf16(codePage, path.substr(start, end - start));
    if (end == std::string_view::npos) return converted;
    converted += '\\';
    start = end + 1;
  }
}

// UTF-16 code units as little-endian bytes, as text data stands in a UTF-16 file.
std::vector<std::uint8_t> Utf16LeBytes(std::u16string_view units);
// A UTF-16 file's bytes: the byte order mark FF FE, then the units, little-endian.
std::string Utf16LeFile(std::u16string_view text);

}  // namespace halvex::platform
