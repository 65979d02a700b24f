#include "platform/reg_file_syntax.h"

#include <algorithm>
#include <cstdio>

namespace halvex::platform {

bool IsPlainRegString(const std::vector<std::uint8_t>& data) {
  if (data.empty() || data.back() != 0) return false;
  return std::none_of(data.begin(), data.end() - 1,
                      [](std::uint8_t byte) { return byte == 0 || byte == '\r' || byte == '\n'; });
}

std::string EscapeRegString(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\':
        escaped += "\\\\";
        break;
      case '"':
        escaped += "\\\"";
        break;
      case '\r':
        escaped += "\\r";
        break;
      case '\n':
        escaped += "\\n";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string RegHexTag(std::uint32_t type) {
  if (type == reg_type::kBinary) return "hex:";
  char tag[20];
  std::snprintf(tag, sizeof tag, "hex(%x):", static_cast<unsigned>(type));
  return tag;
}

void AppendHexBytes(std::string& out, std::span<const std::uint8_t> bytes, HexDigits digits) {
  const char* const set = digits == HexDigits::Upper ? "0123456789ABCDEF" : "0123456789abcdef";
  out.reserve(out.size() + bytes.size() * 3);
  for (std::size_t index = 0; index < bytes.size(); ++index) {
    if (index != 0) out += ',';
    out += set[bytes[index] >> 4];
    out += set[bytes[index] & 0xF];
  }
}

std::vector<std::uint8_t> Utf16LeBytes(std::u16string_view units) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(units.size() * 2);
  for (char16_t unit : units) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return bytes;
}

std::string Utf16LeFile(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  bytes.reserve(2 + text.size() * 2);
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

}  // namespace halvex::platform
