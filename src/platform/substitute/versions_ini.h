#pragma once
// versions.ini of a machine folder: the version resources of the machine's files, one section
// per file, named by its path:
//   [C:\Tools\tray.exe]
//   fixed=1.2.3.4
//   translation=0409,04E4
//   CompanyName=Tools Inc.
// Every key but fixed and translation is a string value under the first translation. A file
// without a section has no version resource.
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/file_versions.h"
#include "platform/substitute/ini_lines.h"

namespace halvex::platform::substitute {

struct VersionEntry {
  std::optional<FixedFileVersion> fixed;
  std::vector<VersionTranslation> translations;
  std::vector<std::pair<std::string, std::string>> strings;  // name, value, in file order
};

// By the file's path as written.
using VersionTable = std::vector<std::pair<std::string, VersionEntry>>;
using VersionsIniResult = std::variant<VersionTable, LineError>;

[[nodiscard]] VersionsIniResult ParseVersionsIni(std::string_view text);

}  // namespace halvex::platform::substitute
