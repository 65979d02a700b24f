#include "platform/profile_files.h"

namespace halvex::platform {
namespace {

class NoProfileFiles final : public ProfileFiles {
 public:
  std::vector<std::string> KeyNames(std::string_view, std::string_view) override { return {}; }
  std::optional<std::string> ReadKey(std::string_view, std::string_view,
                                     std::string_view) override {
    return std::nullopt;
  }
  bool WriteKey(std::string_view, std::string_view, std::string_view, std::string_view) override {
    return false;
  }
  bool DeleteKey(std::string_view, std::string_view, std::string_view) override { return false; }
  void Flush(std::string_view) override {}
};

}  // namespace

ProfileFiles& ProfileFiles::None() {
  static NoProfileFiles none;
  return none;
}

}  // namespace halvex::platform
