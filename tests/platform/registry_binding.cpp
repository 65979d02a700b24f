#include "tests/platform/registry_binding.h"

#include <atomic>
#include <chrono>
#include <stdexcept>

#include "model/registry_object.h"

namespace halvex::testing {
namespace {

class ScratchRegistry final : public RegistryUnderTest {
 public:
  explicit ScratchRegistry(std::unique_ptr<platform::Registry> registry)
      : registry_(std::move(registry)) {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    base_ = "Software\\HalvexTests\\" + std::to_string(stamp) + "_" + std::to_string(counter++);
    platform::KeyHandle key;
    if (registry_->CreateKey(platform::RootHandle(root()), base_, key) != platform::RegStatus::Ok) {
      throw std::runtime_error("cannot create the scratch key " + base_);
    }
    registry_->CloseKey(key);
  }
  ~ScratchRegistry() override {
    (void)model::DeleteKeyTree(*registry_, platform::RootHandle(root()), base_);
  }
  platform::Registry& registry() override { return *registry_; }

 private:
  std::unique_ptr<platform::Registry> registry_;
};

}  // namespace

std::unique_ptr<RegistryUnderTest> MakeScratch(std::unique_ptr<platform::Registry> registry) {
  return std::make_unique<ScratchRegistry>(std::move(registry));
}

}  // namespace halvex::testing
