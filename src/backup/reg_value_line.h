#pragma once
// The key line and the value line of a registry export file: each value in the form of its
// type, so that importing the line gives back the value's type and every byte of its data.
#include <string>
#include <string_view>

#include "backup/reg_export_header.h"
#include "platform/locale.h"
#include "platform/registry.h"

namespace halvex::backup {

// "[" + the full key path (root name, "\", path below the root) + "]". In a UTF-16 file each
// name goes through the code page on its own (see platform::KeyPathThroughUtf16), as value names
// and strings do in RegValueLine, so that the file always reads back.
std::string RegKeyLine(std::string_view fullKeyPath, RegExportEncoding encoding,
                       platform::Locale& locale);

// `name` is the platform's value name: the empty name is the default value, written @=.
// Otherwise the quoted, escaped name, "=", and by type:
//   REG_SZ holding one NUL-terminated string without line breaks  "text", escaped
//   REG_DWORD of four bytes                                        dword:0000000A
//   REG_BINARY                                                     hex:0A,FF (nothing for none)
//   REG_EXPAND_SZ, REG_MULTI_SZ, and any other REG_SZ              hex(2):, hex(7):, hex(1):
//       the text data, all of it with its NULs, as UTF-16LE bytes in a UTF-16 file (through
//       the code page) and as its 8-bit bytes in an 8-bit file
//   every other type (REG_NONE, REG_QWORD, a REG_DWORD of another size, ...)  hex(N): bytes
// Hex digits are upper case, and the line is never broken.
std::string RegValueLine(std::string_view name, const platform::RegValue& value,
                         RegExportEncoding encoding, platform::Locale& locale);

}  // namespace halvex::backup
