#include "backup/reg_export_header.h"

#include "platform/reg_file_syntax.h"

namespace halvex::backup {

std::string_view RegExportHeader(std::uint8_t platformClass) {
  if (platformClass >= 4) return platform::kVersion5Header;
  if (platformClass >= 2) return platform::kRegedit4Header;
  return {};
}

RegExportEncoding EncodingOfHeader(std::string_view header) {
  return header == platform::kVersion5Header ? RegExportEncoding::Utf16
                                             : RegExportEncoding::EightBit;
}

}  // namespace halvex::backup
