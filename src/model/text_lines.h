#pragma once
// Text files read line by line, as the program's data files are.
#include <string_view>
#include <vector>

namespace halvex::model {

// The lines of a text, without their ends. A line ends at CR LF, at LF or at a lone CR; the end
// of the last line is optional and starts no further empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace halvex::model
