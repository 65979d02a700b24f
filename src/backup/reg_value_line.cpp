#include "backup/reg_value_line.h"

#include <vector>

#include "model/text_format.h"
#include "platform/reg_file_syntax.h"

namespace halvex::backup {
namespace {

namespace reg_type = platform::reg_type;

std::string_view AsText(const std::vector<std::uint8_t>& data) {
  return {reinterpret_cast<const char*>(data.data()), data.size()};
}

// The registry editor of a version 5.00 file reads text data as UTF-16, of a REGEDIT4 file as
// bytes of the code page; every other type is bytes in both.
std::vector<std::uint8_t> HexData(const platform::RegValue& value, RegExportEncoding encoding,
                                  platform::Locale& locale) {
  if (!platform::IsTextType(value.type) || encoding != RegExportEncoding::Utf16) return value.data;
  return platform::Utf16LeBytes(locale.ToUtf16(AsText(value.data)));
}

// A name or string as the file gives it back: each converted on its own in a UTF-16 file (see
// ThroughUtf16), so that converting the whole file at the end never takes a quote into a name.
std::string InFile(std::string_view text, RegExportEncoding encoding, platform::Locale& locale) {
  if (encoding != RegExportEncoding::Utf16) return std::string(text);
  return platform::ThroughUtf16(locale, text);
}

}  // namespace

std::string RegKeyLine(std::string_view fullKeyPath, RegExportEncoding encoding,
                       platform::Locale& locale) {
  if (encoding != RegExportEncoding::Utf16) return "[" + std::string(fullKeyPath) + "]";
  return "[" + platform::KeyPathThroughUtf16(locale, fullKeyPath) + "]";
}

std::string RegValueLine(std::string_view name, const platform::RegValue& value,
                         RegExportEncoding encoding, platform::Locale& locale) {
  std::string line = name.empty()
                         ? std::string("@=")
                         : "\"" + platform::EscapeRegString(InFile(name, encoding, locale)) + "\"=";
  if (value.type == reg_type::kString && platform::IsPlainRegString(value.data)) {
    const std::string_view text = AsText(value.data);
    const std::string_view string = text.substr(0, text.size() - 1);
    line += "\"" + platform::EscapeRegString(InFile(string, encoding, locale)) + "\"";
  } else if (value.type == reg_type::kDword && value.data.size() == 4) {
    const std::uint32_t number = value.data[0] | value.data[1] << 8 | value.data[2] << 16 |
                                 static_cast<std::uint32_t>(value.data[3]) << 24;
    line += model::FormatText("dword:%08X", static_cast<unsigned>(number));
  } else {
    line += platform::RegHexTag(value.type);
    platform::AppendHexBytes(line, HexData(value, encoding, locale), platform::HexDigits::Upper);
  }
  return line;
}

}  // namespace halvex::backup
