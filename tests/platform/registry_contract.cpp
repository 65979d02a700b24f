#include "tests/platform/registry_contract.h"

namespace halvex::testing {

using platform::KeyAccess;
using platform::KeyHandle;
using platform::RegStatus;

void RegistryContract::MakeKey(const std::string& below) {
  KeyHandle key;
  ASSERT_EQ(registry().CreateKey(platform::RootHandle(root()), Path(below), key), RegStatus::Ok)
      << "creating " << Path(below);
  registry().CloseKey(key);
}

void RegistryContract::SetValue(const std::string& below, const std::string& name,
                                std::uint32_t type, const std::vector<std::uint8_t>& data) {
  KeyHandle key;
  ASSERT_EQ(registry().CreateKey(platform::RootHandle(root()), Path(below), key), RegStatus::Ok);
  EXPECT_EQ(registry().SetValue(key, name, type, data), RegStatus::Ok) << "setting " << name;
  registry().CloseKey(key);
}

void RegistryContract::SetString(const std::string& below, const std::string& name,
                                 const std::string& text) {
  std::vector<std::uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  SetValue(below, name, platform::reg_type::kString, data);
}

void RegistryContract::SetDword(const std::string& below, const std::string& name,
                                std::uint32_t number) {
  SetValue(below, name, platform::reg_type::kDword,
           {std::uint8_t(number), std::uint8_t(number >> 8), std::uint8_t(number >> 16),
            std::uint8_t(number >> 24)});
}

bool RegistryContract::KeyExists(const std::string& below) {
  KeyHandle key;
  if (registry().OpenKey(platform::RootHandle(root()), Path(below), KeyAccess::Read, key) !=
      RegStatus::Ok) {
    return false;
  }
  registry().CloseKey(key);
  return true;
}

bool RegistryContract::ValueExists(const std::string& below, const std::string& name) {
  KeyHandle key;
  if (registry().OpenKey(platform::RootHandle(root()), Path(below), KeyAccess::Read, key) !=
      RegStatus::Ok) {
    return false;
  }
  platform::RegValue value;
  const RegStatus status = registry().QueryValue(key, name, 0, value);
  registry().CloseKey(key);
  return status == RegStatus::Ok || status == RegStatus::MoreData;
}

std::vector<std::string> RegistryContract::SubkeyNames(const std::string& below) {
  std::vector<std::string> names;
  KeyHandle key;
  if (registry().OpenKey(platform::RootHandle(root()), Path(below), KeyAccess::Read, key) !=
      RegStatus::Ok) {
    return names;
  }
  std::string name;
  for (std::uint32_t i = 0; registry().EnumKey(key, i, name) == RegStatus::Ok; ++i) {
    names.push_back(name);
  }
  registry().CloseKey(key);
  return names;
}

}  // namespace halvex::testing
