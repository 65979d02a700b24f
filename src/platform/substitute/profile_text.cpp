#include "platform/substitute/profile_text.h"

#include "platform/substitute/ini_lines.h"
#include "platform/text_lines.h"

namespace halvex::platform::substitute {
namespace {

// One line of the text, with where it lies, so that a change can splice the text around it.
struct ProfileLine {
  std::size_t begin = 0;  // first byte of the line
  std::size_t end = 0;    // first byte after the line's end (CR LF, LF or CR included)
  std::string section;    // the section it lies in, or starts when isSection
  bool isSection = false;
  bool isKey = false;
  std::string key;         // keys only
  std::string_view value;  // keys only, trimmed, quotes kept
};

std::vector<ProfileLine> ReadProfileLines(std::string_view text) {
  std::vector<ProfileLine> lines;
  std::string section;
  bool inSection = false;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t stop = text.find_first_of("\r\n", at);
    std::size_t next = stop;
    if (stop == std::string_view::npos) {
      stop = next = text.size();
    } else {
      next = stop + 1;
      if (text[stop] == '\r' && next < text.size() && text[next] == '\n') ++next;
    }
    const std::string_view line = TrimBlanksAndTabs(text.substr(at, stop - at));
    ProfileLine entry;
    entry.begin = at;
    entry.end = next;
    entry.section = section;
    if (!line.empty() && line.front() == '[') {
      const std::size_t close = line.rfind(']');
      const std::string_view name = close == 0 || close == std::string_view::npos
                                        ? line.substr(1)
                                        : line.substr(1, close - 1);
      section = std::string(TrimBlanksAndTabs(name));
      inSection = true;
      entry.section = section;
      entry.isSection = true;
    } else if (inSection && !line.empty() && line.front() != ';') {
      const std::size_t equals = line.find('=');
      if (equals != std::string_view::npos) {
        entry.isKey = true;
        entry.key = std::string(TrimBlanksAndTabs(line.substr(0, equals)));
        entry.value = TrimBlanksAndTabs(line.substr(equals + 1));
      }
    }
    lines.push_back(std::move(entry));
    at = next;
  }
  return lines;
}

// The lines of the first section of that name: [first, last) indexes, the header included.
struct SectionSpan {
  std::size_t header = 0;
  std::size_t end = 0;
};

std::optional<SectionSpan> FindSection(const std::vector<ProfileLine>& lines,
                                       std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].isSection || !IniNameEquals(lines[i].section, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !lines[end].isSection) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

const ProfileLine* FindKey(const std::vector<ProfileLine>& lines, const SectionSpan& span,
                           std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    if (lines[i].isKey && IniNameEquals(lines[i].key, key)) return &lines[i];
  }
  return nullptr;
}

std::string WithoutQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

// The line end the text already uses, so that an added line matches its neighbours.
bool EndsWithLineEnd(std::string_view text) {
  return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

}  // namespace

std::vector<std::string> ProfileKeyNames(std::string_view text, std::string_view section) {
  const std::vector<ProfileLine> lines = ReadProfileLines(text);
  std::vector<std::string> names;
  if (const auto span = FindSection(lines, section)) {
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
      if (lines[i].isKey) names.push_back(lines[i].key);
    }
  }
  return names;
}

std::optional<std::string> ProfileValue(std::string_view text, std::string_view section,
                                        std::string_view key) {
  const std::vector<ProfileLine> lines = ReadProfileLines(text);
  const auto span = FindSection(lines, section);
  if (!span) return std::nullopt;
  const ProfileLine* line = FindKey(lines, *span, key);
  if (line == nullptr) return std::nullopt;
  return WithoutQuotes(line->value);
}

std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
  const std::vector<ProfileLine> lines = ReadProfileLines(text);
  const auto span = FindSection(lines, section);
  std::string result;
  if (!span) {
    result = std::string(text);
    if (!result.empty() && !EndsWithLineEnd(result)) result += "\r\n";
    return result + "[" + std::string(section) + "]\r\n" + std::string(key) + "=" +
           std::string(value) + "\r\n";
  }
  if (const ProfileLine* line = FindKey(lines, *span, key)) {
    const std::string_view old = text.substr(line->begin, line->end - line->begin);
    const std::size_t endLength = old.size() - old.find_last_not_of("\r\n") - 1;
    return std::string(text.substr(0, line->begin)) + line->key + "=" + std::string(value) +
           std::string(old.substr(old.size() - endLength)) + std::string(text.substr(line->end));
  }
  // After the section's last key, or right after its header when it has none.
  std::size_t after = span->header;
  for (std::size_t i = span->header + 1; i < span->end; ++i) {
    if (lines[i].isKey) after = i;
  }
  const std::size_t insertAt = lines[after].end;
  result = std::string(text.substr(0, insertAt));
  if (!EndsWithLineEnd(result)) result += "\r\n";
  return result + std::string(key) + "=" + std::string(value) + "\r\n" +
         std::string(text.substr(insertAt));
}

std::string WithoutProfileKey(std::string_view text, std::string_view section,
                              std::string_view key) {
  const std::vector<ProfileLine> lines = ReadProfileLines(text);
  const auto span = FindSection(lines, section);
  const ProfileLine* line = span ? FindKey(lines, *span, key) : nullptr;
  if (line == nullptr) return std::string(text);
  return std::string(text.substr(0, line->begin)) + std::string(text.substr(line->end));
}

}  // namespace halvex::platform::substitute
