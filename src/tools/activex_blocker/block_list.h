#pragma once
// "Code", the list of known harmful ActiveX controls that the blocker fetches from the update
// server: one control a line, its display name followed directly by its braced class
// identifier ("Bad Toolbar{0A1B2C3D-...}"), in the system code page.
#include <string>
#include <string_view>
#include <vector>

namespace halvex::tools::activex {

inline constexpr std::string_view kBlockListFile = "Code";

struct BlockedControl {
  std::string name;     // the text before the first "{"
  std::string classId;  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", as the line spells it
  friend bool operator==(const BlockedControl&, const BlockedControl&) = default;
};

// True for exactly one class identifier in braces: 8-4-4-4-12 hexadecimal digits.
bool IsClassIdentifier(std::string_view text);

// The controls of the list in file order. Each line is trimmed first; a line whose text from
// its first "{" on is not one whole class identifier is skipped: the identifier becomes a
// registry path, and a blank or cut one would name the compatibility key of every control.
std::vector<BlockedControl> ParseBlockList(std::string_view text);

}  // namespace halvex::tools::activex
