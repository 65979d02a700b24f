#pragma once
// Reading a registry export file back into its key and value lines, for the backup sheet's
// detail list. Reads the files the program writes and those the registry editor writes:
// 8-bit, or UTF-16LE with a byte order mark.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/locale.h"

namespace halvex::backup {

struct TDetailBackup {
  bool Marked = true;     // the detail list lets the user toggle it; it does not change restores
  std::string KeyLine;    // the whole key line, brackets included
  std::string ValueLine;  // one whole value line of that key, or empty

  friend bool operator==(const TDetailBackup&, const TDetailBackup&) = default;
};

// One entry per value line, carrying the key line above it, and one entry with an empty value
// line for a key line that no value line follows. Lines are 8-bit text in the code page, a
// UTF-16 file converted through it. Blank lines, comment lines (";") and the header lines are
// passed over; a hex line continued with "\" is joined with the lines that continue it; a key
// line is one that begins with "["; a value line before the first key line is dropped.
std::vector<TDetailBackup> ParseRegExportText(std::string_view fileBytes, platform::Locale& locale);

// nullopt when the file cannot be read.
std::optional<std::vector<TDetailBackup>> ReadRegExportFile(platform::FileSystem& files,
                                                            platform::Locale& locale,
                                                            std::string_view path);

}  // namespace halvex::backup
