#include "model/ignore_list.h"

#include <optional>

#include "model/program_folder.h"
#include "model/text_format.h"
#include "platform/text_lines.h"

namespace halvex::model {

std::string IgnoreFilePath(platform::FileSystem& files) {
  return InProgramFolder(files, kIgnoreFileName);
}

ignore_item::TContent ParseIgnoreLine(std::string_view line) {
  ignore_item::TContent entry;
  std::size_t bar = line.find('|');
  if (bar == std::string_view::npos) {
    entry.IgnoreValueName = std::string(line);
    return entry;
  }
  entry.Category = std::string(line.substr(0, bar));
  line.remove_prefix(bar + 1);
  bar = line.find('|');
  if (bar == std::string_view::npos) {
    entry.IgnoreValueName = std::string(line);
    return entry;
  }
  entry.IgnoreKeyPath = std::string(line.substr(0, bar));
  entry.IgnoreValueName = std::string(line.substr(bar + 1));
  return entry;
}

std::string FormatIgnoreLine(std::string_view category, std::string_view keyPath,
                             std::string_view valueName) {
  return FormatText("%s|%s|%s\r\n", std::string(category), std::string(keyPath),
                    std::string(valueName));
}

bool LoadIgnoreList(platform::FileSystem& files, TIgnoreContents& ignoreContents) {
  ignoreContents.clear();
  const std::string path = IgnoreFilePath(files);
  if (!files.FileExists(path)) return true;
  const std::optional<std::string> text = files.ReadFile(path);
  if (!text) return false;
  for (const std::string_view line : platform::SplitLines(*text)) {
    if (!line.empty()) ignoreContents.push_back(ParseIgnoreLine(line));
  }
  return true;
}

bool IsIgnored(platform::Locale& locale, const TIgnoreContents& ignoreContents,
               std::string_view category, std::string_view keyPath, std::string_view valueName) {
  const std::string upperCategory = locale.Upper(category);
  const std::string upperKeyPath = locale.Upper(keyPath);
  for (const ignore_item::TContent& entry : ignoreContents) {
    if (entry.IgnoreValueName == valueName && locale.Upper(entry.Category) == upperCategory &&
        locale.Upper(entry.IgnoreKeyPath) == upperKeyPath) {
      return true;
    }
  }
  return false;
}

bool IgnoreLineReadsBack(std::string_view category, std::string_view keyPath,
                         std::string_view valueName) {
  const auto holds = [](std::string_view text, std::string_view stops) {
    return text.find_first_of(stops) == std::string_view::npos;
  };
  return holds(category, "|\r\n") && holds(keyPath, "|\r\n") && holds(valueName, "\r\n");
}

bool AppendIgnoreEntry(platform::FileSystem& files, std::string_view category,
                       std::string_view keyPath, std::string_view valueName) {
  // Stored anyway, the entry would match nothing and the problem would come back unannounced.
  if (!IgnoreLineReadsBack(category, keyPath, valueName)) return false;
  const std::string path = IgnoreFilePath(files);
  std::string line = FormatIgnoreLine(category, keyPath, valueName);
  // A file edited by hand may end without its line end, which would join the two lines.
  const std::optional<std::string> text = files.ReadFile(path);
  if (text && !text->empty() && !text->ends_with('\n') && !text->ends_with('\r')) {
    line.insert(0, "\r\n");
  }
  return files.AppendFile(path, line);
}

}  // namespace halvex::model
