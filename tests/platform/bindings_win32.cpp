// Under Windows (or Wine) the contract suites run against the real registry, and against the
// in-memory one, so that both are held to the same contract in the same run.
#include "platform/substitute/memory_registry.h"
#include "platform/win32/win32_registry.h"
#include "tests/platform/registry_binding.h"

namespace halvex::testing {

std::vector<RegistryBinding> RegistryBindings() {
  return {
      {"Win32", [] { return MakeScratch(std::make_unique<platform::win32::Win32Registry>()); }},
      {"Substitute",
       [] { return MakeScratch(std::make_unique<platform::substitute::MemoryRegistry>()); }},
  };
}

}  // namespace halvex::testing
