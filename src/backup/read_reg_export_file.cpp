#include "backup/read_reg_export_file.h"

#include "platform/reg_file_syntax.h"
#include "platform/text_lines.h"

namespace halvex::backup {
namespace {

// The file as 8-bit text: a UTF-16LE file (byte order mark FF FE) through the code page.
std::string DecodedText(std::string_view bytes, platform::Locale& locale) {
  if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE') return std::string(bytes);
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t index = 2; index + 1 < bytes.size(); index += 2) {
    units += static_cast<char16_t>(static_cast<unsigned char>(bytes[index]) |
                                   static_cast<unsigned char>(bytes[index + 1]) << 8);
  }
  return locale.FromUtf16(units);
}

bool IsSkipped(std::string_view line) {
  const std::string_view trimmed = platform::TrimText(line);
  return trimmed.empty() || trimmed.front() == ';' || line == platform::kRegedit4Header ||
         line == platform::kVersion5Header;
}

}  // namespace

std::vector<TDetailBackup> ParseRegExportText(std::string_view fileBytes,
                                              platform::Locale& locale) {
  const std::string text = DecodedText(fileBytes, locale);
  const std::vector<std::string_view> lines = platform::SplitLines(text);
  std::vector<TDetailBackup> entries;
  for (std::size_t index = 0; index < lines.size(); ++index) {
    if (IsSkipped(lines[index])) continue;
    if (platform::TrimText(lines[index]).front() == '[') {
      entries.push_back({true, std::string(lines[index]), ""});
      continue;
    }
    // The registry editor continues long hex data on the next lines, each ending in "\".
    std::string valueLine(platform::TrimText(lines[index]));
    while (!valueLine.empty() && valueLine.back() == '\\' && index + 1 < lines.size()) {
      valueLine.pop_back();
      valueLine += platform::TrimText(lines[++index]);
    }
    if (entries.empty()) continue;
    if (entries.back().ValueLine.empty()) {
      entries.back().ValueLine = std::move(valueLine);
    } else {
      entries.push_back({true, entries.back().KeyLine, std::move(valueLine)});
    }
  }
  return entries;
}

bool StartsWithRegExportHeader(std::string_view fileBytes, platform::Locale& locale) {
  const std::string text = DecodedText(fileBytes, locale);
  const std::vector<std::string_view> lines = platform::SplitLines(text);
  if (lines.empty()) return false;
  const std::string_view first = platform::TrimText(lines.front());
  return first == platform::kRegedit4Header || first == platform::kVersion5Header;
}

std::optional<std::vector<TDetailBackup>> ReadRegExportFile(platform::FileSystem& files,
                                                            platform::Locale& locale,
                                                            std::string_view path) {
  const std::optional<std::string> bytes = files.ReadFile(path);
  if (!bytes) return std::nullopt;
  return ParseRegExportText(*bytes, locale);
}

}  // namespace halvex::backup
