#include "platform/substitute/attributes_ini.h"

#include <cstdio>

#include "platform/file_system.h"
#include "platform/substitute/civil_time.h"
#include "platform/text_lines.h"

namespace halvex::platform::substitute {
namespace {

struct FlagName {
  const char* name;
  std::uint32_t bit;
};

const FlagName kFlags[] = {
    {"readonly", file_attribute::kReadOnly},     {"hidden", file_attribute::kHidden},
    {"system", file_attribute::kSystem},         {"archive", file_attribute::kArchive},
    {"normal", file_attribute::kNormal},         {"temporary", file_attribute::kTemporary},
    {"compressed", file_attribute::kCompressed}, {"reparsepoint", file_attribute::kReparsePoint},
};

// Takes one item of a line's value; an error message when it is no flag and no time.
std::optional<std::string> TakeItem(std::string_view item, AttributeOverride& entry) {
  for (const FlagName& flag : kFlags) {
    if (IniNameEquals(item, flag.name)) {
      entry.attributes = entry.attributes.value_or(0) | flag.bit;
      return std::nullopt;
    }
  }
  const std::size_t equals = item.find('=');
  const std::string_view name = TrimBlanksAndTabs(item.substr(0, equals));
  const bool creation = IniNameEquals(name, "created");
  if (equals == std::string_view::npos || (!creation && !IniNameEquals(name, "written"))) {
    return "expected readonly, hidden, system, archive, normal, temporary, compressed, "
           "reparsepoint, created=TIME or written=TIME, not '" +
           std::string(item) + "'";
  }
  const std::optional<LocalTime> time = ParseTimeText(TrimBlanksAndTabs(item.substr(equals + 1)));
  const std::optional<FileTime> fileTime = time ? FieldsToFileTime(*time) : std::nullopt;
  if (!fileTime) {
    return "a time is written yyyy-mm-dd hh:nn:ss (UTC), not '" +
           std::string(TrimBlanksAndTabs(item.substr(equals + 1))) + "'";
  }
  (creation ? entry.creation : entry.lastWrite) = fileTime;
  return std::nullopt;
}

std::string TimeText(FileTime time) {
  const std::optional<LocalTime> fields = FileTimeToFields(time);
  if (!fields) return "?";
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", fields->year, fields->month,
                fields->day, fields->hour, fields->minute, fields->second);
  return text;
}

}  // namespace

AttributesIniResult ParseAttributesIni(std::string_view text) {
  IniLinesResult read = ReadIniLines(text);
  if (const LineError* error = std::get_if<LineError>(&read)) return *error;
  std::vector<AttributeOverride> entries;
  for (const IniLine& line : std::get<std::vector<IniLine>>(read)) {
    if (line.isSection) return LineError{line.number, "attributes.ini has no sections"};
    AttributeOverride entry;
    entry.line = line.number;
    entry.path = line.name;
    for (std::size_t start = 0;;) {
      const std::size_t comma = line.value.find(',', start);
      const std::string_view item =
          TrimBlanksAndTabs(std::string_view(line.value).substr(start, comma - start));
      if (item.empty()) return LineError{line.number, "an empty item in '" + line.value + "'"};
      if (auto problem = TakeItem(item, entry)) return LineError{line.number, *problem};
      if (comma == std::string::npos) break;
      start = comma + 1;
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::string FormatAttributesIni(const std::vector<AttributeOverride>& entries) {
  std::string text;
  for (const AttributeOverride& entry : entries) {
    std::vector<std::string> items;
    if (entry.attributes) {
      for (const FlagName& flag : kFlags) {
        if ((*entry.attributes & flag.bit) != 0) items.emplace_back(flag.name);
      }
      if (items.empty()) items.emplace_back("normal");
    }
    if (entry.creation) items.push_back("created=" + TimeText(*entry.creation));
    if (entry.lastWrite) items.push_back("written=" + TimeText(*entry.lastWrite));
    if (items.empty()) continue;
    text += entry.path + "=";
    for (std::size_t i = 0; i < items.size(); ++i) text += (i == 0 ? "" : ",") + items[i];
    text += "\r\n";
  }
  return text;
}

}  // namespace halvex::platform::substitute
