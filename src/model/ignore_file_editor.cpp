#include "model/ignore_file_editor.h"

#include "model/ignore_list.h"
#include "model/path_text.h"
#include "model/program_folder.h"
#include "platform/text_lines.h"

namespace halvex::model {
namespace {

constexpr std::string_view kTemporaryIgnoreFileName = "HalvoIgnores.tmp";

}  // namespace

IgnoreFileListing ListIgnoreEntries(platform::FileSystem& files) {
  IgnoreFileListing listing;
  const std::string path = IgnoreFilePath(files);
  if (!files.FileExists(path)) return listing;
  const std::optional<std::string> text = files.ReadFile(path);
  if (!text) return listing;
  for (const std::string_view line : platform::SplitLines(*text)) {
    if (!platform::TrimText(line).empty()) {
      const ignore_item::TContent entry = ParseIgnoreLine(line);
      listing.rows.push_back(
          IgnoreListRow{entry.Category, entry.IgnoreKeyPath, listing.lines.size()});
    }
    listing.lines.emplace_back(line);
  }
  return listing;
}

bool RemoveIgnoreListRow(platform::FileSystem& files, IgnoreFileListing& listing, std::size_t row) {
  if (row >= listing.rows.size()) return false;
  const std::size_t removedLine = listing.rows[row].line;
  std::string text;
  for (std::size_t line = 0; line < listing.lines.size(); ++line) {
    if (line != removedLine) text.append(listing.lines[line]).append("\r\n");
  }

  const std::string temporary = InProgramFolder(files, kTemporaryIgnoreFileName);
  if (!files.WriteFile(temporary, text) || !files.ReplaceFile(temporary, IgnoreFilePath(files))) {
    // Leaves no half-written file behind; the ignore file itself was not touched.
    (void)files.DeleteFile(temporary);
    return false;
  }

  listing.lines.erase(listing.lines.begin() + static_cast<std::ptrdiff_t>(removedLine));
  listing.rows.erase(listing.rows.begin() + static_cast<std::ptrdiff_t>(row));
  for (IgnoreListRow& later : listing.rows) {
    if (later.line > removedLine) --later.line;
  }
  return true;
}

}  // namespace halvex::model
