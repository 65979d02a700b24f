#include "fuzz/support/input_parts.h"

namespace halvex::fuzz {

std::vector<std::string_view> SplitAtNul(std::string_view input) {
  std::vector<std::string_view> parts;
  while (true) {
    const std::size_t end = input.find('\0');
    parts.push_back(input.substr(0, end));
    if (end == std::string_view::npos) return parts;
    input.remove_prefix(end + 1);
  }
}

}  // namespace halvex::fuzz
