#pragma once
// The text of a .reg file as the reader sees it: 8-bit lines, numbered from 1. A UTF-16LE file
// (byte order mark FF FE) is converted through the code page first, so names and strings read
// as the system's ANSI calls would return them.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/substitute/code_page.h"
#include "platform/substitute/reg_file_reader.h"

namespace halvex::platform::substitute {

struct RegFileText {
  bool utf16 = false;                   // the file was UTF-16LE
  std::string text;                     // without the byte order mark
  std::vector<std::string_view> lines;  // into `text`, without their line ends

  RegFileText() = default;
  RegFileText(const RegFileText&) = delete;  // `lines` points into `text`
  RegFileText& operator=(const RegFileText&) = delete;
};

// Decodes the file into `decoded` and splits it at CR LF, LF and CR, as the registry editor
// does. The error names a NUL character (the editor stops reading there) or a UTF-16 file of
// an odd length; nothing when the file decoded.
[[nodiscard]] std::optional<RegFileError> DecodeRegFile(std::string_view fileBytes,
                                                        const CodePage& codePage,
                                                        RegFileText& decoded);

}  // namespace halvex::platform::substitute
