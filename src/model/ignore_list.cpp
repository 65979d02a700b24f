#include "model/ignore_list.h"

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

bool AppendIgnoreEntry(platform::FileSystem& files, std::string_view category,
                       std::string_view keyPath, std::string_view valueName) {
  return files.AppendFile(IgnoreFilePath(files), FormatIgnoreLine(category, keyPath, valueName));
}

}  // namespace halvex::model
