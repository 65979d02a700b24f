#include "tests/platform/host_temp_folder.h"

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>

namespace halvex::testing {

HostTempFolder::HostTempFolder() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = std::filesystem::temp_directory_path() /
          ("halvex-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  std::error_code error;
  if (!std::filesystem::create_directories(path_, error)) {
    throw std::runtime_error("cannot create the host folder " + path_.string());
  }
}

HostTempFolder::~HostTempFolder() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

}  // namespace halvex::testing
