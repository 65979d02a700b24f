#pragma once
// Writes registry keys as a .reg file in the layout of the system's registry editor: the
// header and a blank line, then every key depth-first in enumeration order, each as its
// [full path] line, its value lines and a blank line. ParseRegFile reads the file back to the
// same keys and values.
#include <string>
#include <string_view>

#include "platform/registry.h"
#include "platform/substitute/code_page.h"
#include "platform/substitute/reg_file_format.h"

namespace halvex::platform::substitute {

// What to write: the whole registry (the five roots, in the order of kNamedRoots) or one key
// with everything below it, named by its full key path.
struct RegExportScope {
  static RegExportScope WholeRegistry() { return {}; }
  static RegExportScope Subtree(std::string fullKeyPath) { return {std::move(fullKeyPath)}; }

  std::string fullKeyPath;  // empty for the whole registry
};

// The file's bytes, or the first key the registry refused to read.
struct [[nodiscard]] RegExportResult {
  RegStatus status = RegStatus::Ok;
  std::string failedKey;  // full key path, when status is not Ok
  std::string message;    // what could not be read there
  std::string bytes;      // the whole file, when status is Ok

  bool ok() const { return status == RegStatus::Ok; }
};

// Version5 files are UTF-16LE with a byte order mark, REGEDIT4 files 8-bit; both end every
// line with CR LF. Names and strings are converted through `codePage`.
//
// Values take the form the registry editor gives them: "..." for a REG_SZ that holds one
// NUL-terminated string, dword:xxxxxxxx for a four-byte REG_DWORD, hex: for REG_BINARY and
// hex(N): for everything else, hex data wrapped with a trailing '\' before 80 columns. A REG_SZ
// with a line break or a NUL inside, or without its NUL, is written as hex(1): so that it
// reads back unchanged; CR and LF in value names are written \r and \n. Text data without a
// terminating NUL (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) reads back with one, as the editor
// imports it: the format has no way to say otherwise.
RegExportResult ExportRegFile(Registry& registry, const RegExportScope& scope, RegFileFormat format,
                              const CodePage& codePage);

}  // namespace halvex::platform::substitute
