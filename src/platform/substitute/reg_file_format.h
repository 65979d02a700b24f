#pragma once
// The two formats the .reg reader and writer know. The header lines, the text types and the
// escaping are in platform/reg_file_syntax.h, shared with the program's backup writer.
#include "platform/reg_file_syntax.h"

namespace halvex::platform::substitute {

// The two formats of the system's registry editor: REGEDIT4 files are 8-bit text in the code
// page; version 5.00 files, as the editor writes them, are UTF-16LE with a byte order mark.
enum class RegFileFormat { Regedit4, Version5 };

}  // namespace halvex::platform::substitute
