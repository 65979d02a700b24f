#pragma once
// What the registry contract suite runs against: a registry binding with an empty scratch key
// of its own, removed again afterwards. Each test binary names its bindings.
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace halvex::testing {

class RegistryUnderTest {
 public:
  virtual ~RegistryUnderTest() = default;
  virtual platform::Registry& registry() = 0;
  // The scratch key, below HKEY_CURRENT_USER: it exists and is empty when the test begins.
  platform::RootKey root() const { return platform::RootKey::CurrentUser; }
  const std::string& base() const { return base_; }

 protected:
  std::string base_;
};

struct RegistryBinding {
  std::string name;
  std::function<std::unique_ptr<RegistryUnderTest>()> make;

  // Lets GoogleTest show the binding by name in test listings.
  friend void PrintTo(const RegistryBinding& binding, std::ostream* out) { *out << binding.name; }
};

// The bindings of this test binary (each binary defines it).
std::vector<RegistryBinding> RegistryBindings();

// A binding whose scratch key is made below HKEY_CURRENT_USER\Software\HalvexTests.
std::unique_ptr<RegistryUnderTest> MakeScratch(std::unique_ptr<platform::Registry> registry);

}  // namespace halvex::testing
