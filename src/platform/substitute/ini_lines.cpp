#include "platform/substitute/ini_lines.h"

#include "platform/text_lines.h"

namespace halvex::platform::substitute {
namespace {

// The line without its comment.
std::string_view WithoutComment(std::string_view line) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == ';' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) {
      return line.substr(0, i);
    }
  }
  return line;
}

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? char(c + 0x20) : c;
}

}  // namespace

bool IniNameEquals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

IniLinesResult ReadIniLines(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<IniLine> lines;
  std::size_t number = 0;
  for (const std::string_view raw : SplitLines(text)) {
    ++number;
    if (raw.find('\0') != std::string_view::npos) return LineError{number, "holds a NUL byte"};
    const std::string_view line = TrimBlanksAndTabs(WithoutComment(raw));
    if (line.empty()) continue;
    if (line.front() == '[') {
      if (line.back() != ']') return LineError{number, "a section header must end with ']'"};
      const std::string_view name = TrimBlanksAndTabs(line.substr(1, line.size() - 2));
      if (name.empty()) return LineError{number, "a section needs a name"};
      lines.push_back({number, true, std::string(name), {}});
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      return LineError{number,
                       "expected [section] or key=value, found '" + std::string(line) + "'"};
    }
    const std::string_view key = TrimBlanksAndTabs(line.substr(0, equals));
    if (key.empty()) return LineError{number, "the key before '=' is empty"};
    lines.push_back(
        {number, false, std::string(key), std::string(TrimBlanksAndTabs(line.substr(equals + 1)))});
  }
  return lines;
}

}  // namespace halvex::platform::substitute
