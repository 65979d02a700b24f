#pragma once
// The first line of the registry export files the program writes, chosen by the platform
// class, and the encoding that goes with it.
#include <cstdint>
#include <string_view>

#include "platform/platform_class.h"

namespace halvex::backup {

enum class RegExportEncoding {
  // The system's 8-bit code page, text data in hex(2) and hex(7) as 8-bit bytes: REGEDIT4
  // files, and the files of an undetermined platform, whose header line is empty.
  EightBit,
  // UTF-16LE with a byte order mark, text data in hex(2) and hex(7) as UTF-16: version 5.00
  // files, as the registry editor writes and reads them.
  Utf16,
};

// "REGEDIT4" for the Windows 95 family (platform class 2 or 3), "Windows Registry Editor
// Version 5.00" for the NT family (4 and above), and the empty line for an undetermined
// platform or Win32s (0 or 1).
std::string_view RegExportHeader(platform::PlatformClass platformClass);

RegExportEncoding EncodingOfHeader(std::string_view header);

}  // namespace halvex::backup
