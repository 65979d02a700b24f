#include "tools/activex_blocker/block_list.h"

#include <cctype>

#include "platform/text_lines.h"

namespace halvex::tools::activex {

bool IsClassIdentifier(std::string_view text) {
  constexpr std::string_view kShape = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
  if (text.size() != kShape.size()) return false;
  for (std::size_t i = 0; i < kShape.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (kShape[i] == 'X' ? !std::isxdigit(c) : c != static_cast<unsigned char>(kShape[i])) {
      return false;
    }
  }
  return true;
}

std::vector<BlockedControl> ParseBlockList(std::string_view text) {
  std::vector<BlockedControl> controls;
  for (const std::string_view line : platform::SplitLines(text)) {
    const std::string_view trimmed = platform::TrimText(line);
    const std::size_t brace = trimmed.find('{');
    if (brace == std::string_view::npos) continue;
    const std::string_view classId = trimmed.substr(brace);
    if (!IsClassIdentifier(classId)) continue;
    controls.push_back({std::string(trimmed.substr(0, brace)), std::string(classId)});
  }
  return controls;
}

}  // namespace halvex::tools::activex
