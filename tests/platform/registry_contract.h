#pragma once
// The fixture of the registry contract suite: every TEST_P on it runs once per binding.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/platform/registry_binding.h"

namespace halvex::testing {

class RegistryContract : public ::testing::TestWithParam<RegistryBinding> {
 protected:
  void SetUp() override { underTest_ = GetParam().make(); }
  void TearDown() override { underTest_.reset(); }

  platform::Registry& registry() { return underTest_->registry(); }
  platform::RootKey root() const { return underTest_->root(); }
  // A path below the scratch key: Path("A\\B") is <scratch>\A\B.
  std::string Path(const std::string& below = "") const {
    return below.empty() ? underTest_->base() : underTest_->base() + "\\" + below;
  }
  // The same as a full key path, beginning with the root's name.
  std::string FullPath(const std::string& below = "") const {
    return "HKEY_CURRENT_USER\\" + Path(below);
  }

  // Creates the key (and its parents) below the scratch key.
  void MakeKey(const std::string& below);
  void SetValue(const std::string& below, const std::string& name, std::uint32_t type,
                const std::vector<std::uint8_t>& data);
  void SetString(const std::string& below, const std::string& name, const std::string& text);
  void SetDword(const std::string& below, const std::string& name, std::uint32_t number);
  bool KeyExists(const std::string& below);
  bool ValueExists(const std::string& below, const std::string& name);
  std::vector<std::string> SubkeyNames(const std::string& below);

 private:
  std::unique_ptr<RegistryUnderTest> underTest_;
};

// Runs a contract suite on each binding of the test binary, named after the binding.
#define HALVEX_RUN_ON_EVERY_BINDING(suite)                                          \
  INSTANTIATE_TEST_SUITE_P(Bindings, suite, ::testing::ValuesIn(RegistryBindings()), \
                           BindingName())

// Names a parameterised test after its binding.
struct BindingName {
  std::string operator()(const ::testing::TestParamInfo<RegistryBinding>& info) const {
    return info.param.name;
  }
};

}  // namespace halvex::testing
