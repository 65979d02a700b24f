#pragma once
// The junk file types, the user's list kept in JunkFile.dat in the program's folder: records of
// 203 bytes (a checked byte, then pattern and description, each a length byte and 100
// characters), no header, no trailer.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace halvex::tools::junk_files {

struct JunkType {
  bool checked = true;
  std::string pattern;      // "File to find", such as "*.tmp" or "thumbs.db"
  std::string description;  // "Description"
  friend bool operator==(const JunkType&, const JunkType&) = default;
};

inline constexpr std::size_t kJunkRecordSize = 203;
inline constexpr std::size_t kJunkTextMax = 100;
inline constexpr std::string_view kJunkFileName = "JunkFile.dat";

// The 47 types a missing file is replaced by, in order, all checked.
std::vector<JunkType> CreateDefaultJunkTypes();

// Every whole record of the file. A length byte above 100 counts as 100, so a damaged file never
// reads past its record; a checked byte other than 0 is checked.
std::vector<JunkType> ReadJunkFile(std::string_view bytes);
// The records in order; pattern and description cut to 100 characters, unused bytes zero.
std::string WriteJunkFile(const std::vector<JunkType>& types);

std::string JunkFilePath(platform::FileSystem& files);
// The file's types; the defaults (then saved) when there is no file; nullopt when it cannot be
// read. A file of zero length is an empty list.
std::optional<std::vector<JunkType>> LoadJunkTypes(platform::FileSystem& files);
// Writes a temporary file beside it and replaces the old one with it, so a failed write leaves
// the old list whole.
[[nodiscard]] bool SaveJunkTypes(platform::FileSystem& files, const std::vector<JunkType>& types);

}  // namespace halvex::tools::junk_files
