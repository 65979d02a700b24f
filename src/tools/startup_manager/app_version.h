#pragma once
// `TAppObj`: what a program file's version resource says, as the details rows show it.
#include <array>
#include <string>

#include "platform/file_versions.h"

namespace halvex::tools::startup_manager {

// The string values, in the order of the texts 1 to 10.
inline constexpr const char* kVersionStrings[10] = {
    "CompanyName",     "FileDescription",  "FileVersion", "InternalName",   "LegalCopyright",
    "LegalTradeMarks", "OriginalFilename", "ProductName", "ProductVersion", "Comments"};

struct TAppObj {
  // 0: the fixed file version "major.minor.release.build" ("0.0.0.0" without one); 1 to 10: the
  // string values of kVersionStrings under the first translation, trimmed, empty when missing.
  std::array<std::string, 11> texts;
  std::string folder;    // the file's folder, without its last backslash
  std::string fileName;  // the name alone
  std::string title;     // the name without its extension

  const std::string& Text(const char* name) const;
};

TAppObj ReadAppObj(platform::FileVersions& versions, const std::string& file);

}  // namespace halvex::tools::startup_manager
