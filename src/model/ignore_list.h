#pragma once
// The ignore list: registry entries that the scan must not report again. It lives in the text
// file "HalvoIgnores.dat" in the program folder, one entry per line, "category|key path|value
// name" ending in CR LF, in the system's 8-bit code page. It is read into memory at the start of
// every scan; entries added or removed meanwhile take effect at the next scan.
#include <string>
#include <string_view>

#include "model/ignore_contents.h"
#include "platform/file_system.h"
#include "platform/locale.h"

namespace halvex::model {

inline constexpr std::string_view kIgnoreFileName = "HalvoIgnores.dat";

std::string IgnoreFilePath(platform::FileSystem& files);

// One line of the file, without its end. The category is the text before the first "|", the key
// path the text up to the second, the value name all the rest (it may hold further "|"). Without
// any "|" the whole line is the value name; with one, the text after it.
ignore_item::TContent ParseIgnoreLine(std::string_view line);
// The line that stores an entry, CR LF included.
std::string FormatIgnoreLine(std::string_view category, std::string_view keyPath,
                             std::string_view valueName);

// Replaces the list with the entries of the ignore file, skipping empty lines. A missing file is
// an empty list. False, with the list left empty, when the file exists but cannot be read.
[[nodiscard]] bool LoadIgnoreList(platform::FileSystem& files, TIgnoreContents& ignoreContents);

// True when an entry has the category and the key path, both without regard to case, and exactly
// the value name: value names may differ only in case and still be different values.
bool IsIgnored(platform::Locale& locale, const TIgnoreContents& ignoreContents,
               std::string_view category, std::string_view keyPath, std::string_view valueName);

// Whether the line of the entry reads back as the same entry: the category and the key path
// hold no "|" (the first two end them), and nothing holds a line break. Key names may hold "|",
// so not every problem can be excluded.
bool IgnoreLineReadsBack(std::string_view category, std::string_view keyPath,
                         std::string_view valueName);

// Appends one line to the ignore file, creating the file when it is missing, and ending a last
// line that lacks its line end first. Entries are never merged: excluding the same problem twice
// gives two lines. False, with nothing written, when
// the line would not read back as this entry (IgnoreLineReadsBack) or cannot be written; the
// caller shows the exclusion as failed.
[[nodiscard]] bool AppendIgnoreEntry(platform::FileSystem& files, std::string_view category,
                                     std::string_view keyPath, std::string_view valueName);

}  // namespace halvex::model
