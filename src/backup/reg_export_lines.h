#pragma once
// A registry export file being written: its header line, the key and value lines appended to
// it, and the bytes it is saved as.
#include <cstdint>
#include <string>
#include <vector>

#include "backup/reg_export_header.h"
#include "platform/locale.h"

namespace halvex::backup {

struct RegExportLines {
  RegExportEncoding encoding = RegExportEncoding::EightBit;
  // 8-bit text in the system code page; lines[0] is the header, also when it is empty.
  std::vector<std::string> lines;

  // Whether anything beside the header was appended.
  bool HasEntries() const { return lines.size() > 1; }
};

// The line list with the header of the platform class (RegExportHeader) and its encoding.
RegExportLines StartRegExport(platform::PlatformClass platformClass);

// Every line ends with CR LF, the last one too, and no blank line follows the header. A UTF-16
// file starts with its byte order mark and has every line converted through the code page.
std::string RegExportFileBytes(const RegExportLines& file, platform::Locale& locale);

}  // namespace halvex::backup
