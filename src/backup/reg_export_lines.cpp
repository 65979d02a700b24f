#include "backup/reg_export_lines.h"

namespace halvex::backup {

RegExportLines StartRegExport(std::uint8_t platformClass) {
  RegExportLines file;
  const std::string_view header = RegExportHeader(platformClass);
  file.encoding = EncodingOfHeader(header);
  file.lines.emplace_back(header);
  return file;
}

std::string RegExportFileBytes(const RegExportLines& file, platform::Locale& locale) {
  std::string text;
  for (const std::string& line : file.lines) {
    text += line;
    text += "\r\n";
  }
  if (file.encoding == RegExportEncoding::EightBit) return text;

  const std::u16string units = locale.ToUtf16(text);
  std::string bytes = "\xFF\xFE";
  bytes.reserve(bytes.size() + units.size() * 2);
  for (char16_t unit : units) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

}  // namespace halvex::backup
