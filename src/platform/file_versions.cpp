#include "platform/file_versions.h"

namespace halvex::platform {
namespace {

class NoFileVersions final : public FileVersions {
 public:
  std::unique_ptr<VersionResource> Load(std::string_view) override { return nullptr; }
};

}  // namespace

FileVersions& FileVersions::None() {
  static NoFileVersions none;
  return none;
}

}  // namespace halvex::platform
