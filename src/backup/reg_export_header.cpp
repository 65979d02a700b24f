#include "backup/reg_export_header.h"

#include "platform/reg_file_syntax.h"

namespace halvex::backup {

std::string_view RegExportHeader(platform::PlatformClass platformClass) {
  const auto number = static_cast<std::uint8_t>(platformClass);
  if (number >= 4) return platform::kVersion5Header;
  if (number >= 2) return platform::kRegedit4Header;
  return {};
}

RegExportEncoding EncodingOfHeader(std::string_view header) {
  return header == platform::kVersion5Header ? RegExportEncoding::Utf16
                                             : RegExportEncoding::EightBit;
}

}  // namespace halvex::backup
