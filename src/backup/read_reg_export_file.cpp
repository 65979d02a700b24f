#include "backup/read_reg_export_file.h"

#include <optional>

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

bool IsBlankOrComment(std::string_view line) {
  const std::string_view trimmed = platform::TrimText(line);
  return trimmed.empty() || trimmed.front() == ';';
}

std::string_view SkipBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  return text;
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The data of a value line: what follows the name ("name" with its escapes, or @), the blanks
// and the '=' with the blanks after it; nullopt for a line that names no value.
std::optional<std::string_view> ValueData(std::string_view line) {
  std::size_t at = 0;
  if (line.starts_with('@')) {
    at = 1;
  } else if (line.starts_with('"')) {
    for (at = 1; at < line.size() && line[at] != '"'; ++at) {
      if (line[at] == '\\') ++at;
    }
    if (at >= line.size()) return std::nullopt;
    ++at;
  } else {
    return std::nullopt;
  }
  const std::string_view rest = SkipBlanks(line.substr(at));
  if (!rest.starts_with('=')) return std::nullopt;
  return SkipBlanks(rest.substr(1));
}

// Where the '\' that continues a value line's hex data stands in the line, or npos. As the
// registry editor reads it, only hex data ("hex:", "hex(N):") continues, and only with a '\'
// where the next byte would stand (after the type or a comma), which a ';' comment may follow:
// a '\' at the end of a string or of a comment continues nothing.
std::size_t HexContinuation(std::string_view line) {
  const std::optional<std::string_view> data = ValueData(line);
  if (!data) return std::string_view::npos;
  std::string_view bytes = *data;
  if (bytes.starts_with("hex:")) {
    bytes.remove_prefix(4);
  } else if (bytes.starts_with("hex(") && bytes.find("):") != std::string_view::npos) {
    bytes.remove_prefix(bytes.find("):") + 2);
  } else {
    return std::string_view::npos;
  }
  while (true) {
    bytes = SkipBlanks(bytes);
    if (bytes.starts_with('\\')) {
      const std::string_view after = SkipBlanks(bytes.substr(1));
      if (!after.empty() && after.front() != ';') return std::string_view::npos;
      return line.size() - bytes.size();
    }
    if (bytes.empty() || !IsHexDigit(bytes.front())) return std::string_view::npos;
    while (!bytes.empty() && IsHexDigit(bytes.front())) bytes.remove_prefix(1);
    if (!bytes.starts_with(',')) return std::string_view::npos;
    bytes.remove_prefix(1);
  }
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
    // The registry editor continues long hex data on the next line that is neither blank nor a
    // comment, when that line goes on with hex bytes.
    std::string valueLine(platform::TrimText(lines[index]));
    for (std::size_t at; (at = HexContinuation(valueLine)) != std::string::npos;) {
      valueLine.erase(at);
      while (valueLine.ends_with(' ') || valueLine.ends_with('\t')) valueLine.pop_back();
      std::size_t next = index + 1;
      while (next < lines.size() && IsBlankOrComment(lines[next])) ++next;
      if (next == lines.size() || !IsHexDigit(platform::TrimText(lines[next]).front())) break;
      valueLine += platform::TrimText(lines[next]);
      index = next;
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
