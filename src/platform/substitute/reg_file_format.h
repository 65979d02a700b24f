#pragma once
// What the .reg reader and writer share: the two header lines and the value types whose hex
// data the registry editor treats as text.
#include <cstdint>
#include <string_view>

#include "platform/registry.h"

namespace halvex::platform::substitute {

// The two formats of the system's registry editor: REGEDIT4 files are 8-bit text in the code
// page; version 5.00 files, as the editor writes them, are UTF-16LE with a byte order mark.
enum class RegFileFormat { Regedit4, Version5 };

inline constexpr std::string_view kRegedit4Header = "REGEDIT4";
inline constexpr std::string_view kVersion5Header = "Windows Registry Editor Version 5.00";

// hex(1), hex(2) and hex(7) data is text: UTF-16 in a UTF-16 file, 8-bit otherwise.
constexpr bool IsTextType(std::uint32_t type) {
  return type == reg_type::kString || type == reg_type::kExpandString ||
         type == reg_type::kMultiString;
}

}  // namespace halvex::platform::substitute
