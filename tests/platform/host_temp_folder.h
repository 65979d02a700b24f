#pragma once
// A fresh folder on the host for one test, removed with everything in it afterwards.
#include <filesystem>

namespace halvex::testing {

class HostTempFolder {
 public:
  HostTempFolder();
  ~HostTempFolder();
  HostTempFolder(const HostTempFolder&) = delete;
  HostTempFolder& operator=(const HostTempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace halvex::testing
