#include "platform/reg_file_syntax.h"

namespace halvex::platform {

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

void AppendHexBytes(std::string& out, std::span<const std::uint8_t> bytes, HexDigits digits) {
  const char* const set = digits == HexDigits::Upper ? "0123456789ABCDEF" : "0123456789abcdef";
  out.reserve(out.size() + bytes.size() * 3);
  for (std::size_t index = 0; index < bytes.size(); ++index) {
    if (index != 0) out += ',';
    out += set[bytes[index] >> 4];
    out += set[bytes[index] & 0xF];
  }
}

}  // namespace halvex::platform
