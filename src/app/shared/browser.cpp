#include "app/shared/browser.h"

#include <string>

namespace halvex::app {

bool OpenUrlInBrowser(platform::ProcessStarter& processes, std::string_view address) {
  if (address.empty()) return false;
  return processes.Start({.file = std::string(address), .verb = "open"});
}

}  // namespace halvex::app
