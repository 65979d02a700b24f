#include "app/shared/browser.h"

#include <array>
#include <string>

namespace halvex::app {

namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    const char c = text[i];
    const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower != prefix[i]) return false;
  }
  return true;
}

// Only the browser's own schemes: a path, a file: address or another protocol would let the
// shell start a program.
bool IsWebAddress(std::string_view address) {
  constexpr std::array<std::string_view, 2> kWebSchemes{"http://", "https://"};
  for (std::string_view scheme : kWebSchemes) {
    if (address.size() > scheme.size() && StartsWithIgnoringCase(address, scheme)) return true;
  }
  return false;
}

}  // namespace

bool OpenUrlInBrowser(platform::ProcessStarter& processes, std::string_view address) {
  if (!IsWebAddress(address)) return false;
  return processes.Start({.file = std::string(address), .verb = "open"});
}

}  // namespace halvex::app
