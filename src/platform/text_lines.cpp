#include "platform/text_lines.h"

namespace halvex::platform {
namespace {

std::string_view TrimWhile(std::string_view text, bool (*isBlank)(char)) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      lines.push_back(text);
      break;
    }
    lines.push_back(text.substr(0, end));
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
  return lines;
}

std::string_view TrimText(std::string_view text) {
  return TrimWhile(text, [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

std::string_view TrimBlanksAndTabs(std::string_view text) {
  return TrimWhile(text, [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace halvex::platform
