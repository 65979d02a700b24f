#pragma once
// Text read line by line, and the trimming of its lines: the program's data files, the .reg
// exports and the machine folder's ini files share these rules, so they live here once.
#include <string_view>
#include <vector>

namespace halvex::platform {

// The lines of a text, without their ends. A line ends at CR LF, at LF or at a lone CR; the end
// of the last line is optional and starts no further empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

// The text without leading and trailing blanks and control characters (every byte up to the
// blank; bytes above 127 are letters of the code page).
std::string_view TrimText(std::string_view text);

// The text without leading and trailing blanks and tabs only, as ini files trim their names and
// values.
std::string_view TrimBlanksAndTabs(std::string_view text);

}  // namespace halvex::platform
