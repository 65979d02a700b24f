#include "platform/substitute/reg_file_text.h"

namespace halvex::platform::substitute {
namespace {

void SplitLines(RegFileText& decoded) {
  const std::string_view text = decoded.text;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find_first_of("\r\n", start);
    decoded.lines.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return;
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
}

}  // namespace

std::optional<RegFileError> DecodeRegFile(std::string_view fileBytes, const CodePage& codePage,
                                          RegFileText& decoded) {
  decoded.lines.clear();
  decoded.utf16 = fileBytes.size() >= 2 && static_cast<unsigned char>(fileBytes[0]) == 0xFF &&
                  static_cast<unsigned char>(fileBytes[1]) == 0xFE;
  if (decoded.utf16) {
    std::u16string units;
    units.reserve(fileBytes.size() / 2);
    for (std::size_t at = 2; at + 1 < fileBytes.size(); at += 2) {
      units.push_back(static_cast<char16_t>(static_cast<unsigned char>(fileBytes[at]) |
                                            static_cast<unsigned char>(fileBytes[at + 1]) << 8));
    }
    decoded.text = codePage.FromUtf16(units);
  } else {
    decoded.text = std::string(fileBytes);
  }
  SplitLines(decoded);

  for (std::size_t index = 0; index < decoded.lines.size(); ++index) {
    if (decoded.lines[index].find('\0') != std::string_view::npos) {
      return RegFileError{index + 1,
                          "NUL character in the line (the registry editor stops reading there)"};
    }
  }
  if (decoded.utf16 && fileBytes.size() % 2 != 0) {
    return RegFileError{decoded.lines.size(), "the UTF-16 file ends in the middle of a character"};
  }
  return std::nullopt;
}

}  // namespace halvex::platform::substitute
