#pragma once
// The lines of the substitute's small configuration files (machine.ini, attributes.ini):
// "[section]" headers and "key=value" entries, numbered from 1. A ";" at the start of a line,
// or after a blank or tab, begins a comment; keys and values are trimmed of blanks and tabs.
// Any other line is an error, so that a typo never passes unnoticed.
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace halvex::platform::substitute {

// What is wrong with a text and where: `line` counts from 1.
struct LineError {
  std::size_t line = 0;
  std::string message;
};

struct IniLine {
  std::size_t number = 0;
  bool isSection = false;
  std::string name;   // the section's name, or the entry's key
  std::string value;  // entries only
};

using IniLinesResult = std::variant<std::vector<IniLine>, LineError>;

// A UTF-8 byte order mark at the start is skipped; lines end at LF, CR LF or CR.
[[nodiscard]] IniLinesResult ReadIniLines(std::string_view text);

// ASCII case-insensitive equality, as the system's profile calls compare keys.
bool IniNameEquals(std::string_view a, std::string_view b);

}  // namespace halvex::platform::substitute
