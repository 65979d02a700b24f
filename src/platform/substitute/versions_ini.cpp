#include "platform/substitute/versions_ini.h"

#include <charconv>

namespace halvex::platform::substitute {
namespace {

template <typename Number>
bool ReadNumber(std::string_view text, Number& number, int base) {
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, base);
  return error == std::errc() && end == text.data() + text.size();
}

// "1.2.3.4": four numbers of 0 to 65535.
std::optional<FixedFileVersion> ReadFixed(std::string_view text) {
  std::uint16_t parts[4];
  for (int i = 0; i < 4; ++i) {
    const std::size_t dot = i < 3 ? text.find('.') : text.size();
    if (dot == std::string_view::npos || !ReadNumber(text.substr(0, dot), parts[i], 10)) {
      return std::nullopt;
    }
    text.remove_prefix(i < 3 ? dot + 1 : dot);
  }
  return FixedFileVersion{std::uint32_t(parts[0]) << 16 | parts[1],
                          std::uint32_t(parts[2]) << 16 | parts[3]};
}

// "0409,04E4": a language and a code page in hexadecimal.
std::optional<VersionTranslation> ReadTranslation(std::string_view text) {
  const std::size_t comma = text.find(',');
  VersionTranslation translation;
  if (comma == std::string_view::npos ||
      !ReadNumber(text.substr(0, comma), translation.language, 16) ||
      !ReadNumber(text.substr(comma + 1), translation.codePage, 16)) {
    return std::nullopt;
  }
  return translation;
}

}  // namespace

VersionsIniResult ParseVersionsIni(std::string_view text) {
  IniLinesResult lines = ReadIniLines(text);
  if (const LineError* error = std::get_if<LineError>(&lines)) return *error;
  VersionTable table;
  for (const IniLine& line : std::get<std::vector<IniLine>>(lines)) {
    if (line.isSection) {
      table.emplace_back(line.name, VersionEntry{});
      continue;
    }
    if (table.empty()) return LineError{line.number, "a key before the first [file] section"};
    VersionEntry& entry = table.back().second;
    if (IniNameEquals(line.name, "fixed")) {
      entry.fixed = ReadFixed(line.value);
      if (!entry.fixed) return LineError{line.number, "fixed takes four numbers, such as 1.2.3.4"};
    } else if (IniNameEquals(line.name, "translation")) {
      const auto translation = ReadTranslation(line.value);
      if (!translation) {
        return LineError{line.number,
                         "translation takes a language and a code page, such as "
                         "0409,04E4"};
      }
      entry.translations.push_back(*translation);
    } else {
      entry.strings.emplace_back(line.name, line.value);
    }
  }
  return table;
}

}  // namespace halvex::platform::substitute
