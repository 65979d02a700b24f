// The contract suites of this binary run against the in-memory registry.
#include "platform/substitute/memory_registry.h"
#include "tests/platform/registry_binding.h"

namespace halvex::testing {

std::vector<RegistryBinding> RegistryBindings() {
  return {{"Substitute",
           [] { return MakeScratch(std::make_unique<platform::substitute::MemoryRegistry>()); }}};
}

}  // namespace halvex::testing
