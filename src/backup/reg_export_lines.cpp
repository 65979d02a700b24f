#include "backup/reg_export_lines.h"

#include "platform/reg_file_syntax.h"

namespace halvex::backup {

RegExportLines StartRegExport(platform::PlatformClass platformClass) {
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
  return platform::Utf16LeFile(locale.ToUtf16(text));
}

}  // namespace halvex::backup
