#include "model/registry_object.h"

#include <algorithm>
#include <utility>

#include "model/text_format.h"

namespace halvex::model {

using platform::KeyAccess;
using platform::KeyHandle;
using platform::RegStatus;
using platform::RegValue;
namespace reg_type = platform::reg_type;

namespace {

DataType DataTypeOf(std::uint32_t type) {
  switch (type) {
    case reg_type::kString:
      return DataType::String;
    case reg_type::kExpandString:
      return DataType::ExpandString;
    case reg_type::kDword:
      return DataType::Integer;
    case reg_type::kBinary:
      return DataType::Binary;
    default:
      return DataType::Unknown;
  }
}

[[noreturn]] void ThrowInvalidDataType(std::string_view name) {
  throw RegistryError(FormatText("Invalid data type for '%s'", std::string(name)));
}

std::string JoinPath(std::string_view parent, std::string_view child) {
  if (parent.empty()) return std::string(child);
  if (child.empty()) return std::string(parent);
  return std::string(parent) + '\\' + std::string(child);
}

}  // namespace

RegistryObject::Target RegistryObject::Resolve(std::string_view path) const {
  const KeyHandle root = platform::RootHandle(root_);
  if (path.empty()) return Target{root, "", ""};
  if (path.front() == '\\') {
    const std::string below(path.substr(1));
    return Target{root, below, below};
  }
  if (hasOpenKey()) return Target{open_, std::string(path), JoinPath(currentPath_, path)};
  return Target{root, std::string(path), std::string(path)};
}

bool RegistryObject::OpenKey(std::string_view path, bool create) {
  const Target target = Resolve(path);
  KeyHandle opened;
  const RegStatus status =
      create ? registry_.CreateKey(target.base, target.path, opened)
             : registry_.OpenKey(target.base, target.path, KeyAccess::ReadWrite, opened);
  if (status != RegStatus::Ok) return false;
  CloseKey();
  open_ = opened;
  currentPath_ = target.fullPath;
  return true;
}

void RegistryObject::CloseKey() {
  if (hasOpenKey()) registry_.CloseKey(open_);
  open_ = KeyHandle{};
  currentPath_.clear();
}

bool RegistryObject::KeyExists(std::string_view path) {
  const Target target = Resolve(path);
  KeyHandle opened;
  if (registry_.OpenKey(target.base, target.path, KeyAccess::Read, opened) != RegStatus::Ok) {
    return false;
  }
  registry_.CloseKey(opened);
  return true;
}

std::vector<std::string> RegistryObject::KeyNames() {
  return ListNames(&platform::Registry::EnumKey, &platform::KeyInfo::subkeyCount);
}

std::vector<std::string> RegistryObject::ValueNames() {
  return ListNames(&platform::Registry::EnumValue, &platform::KeyInfo::valueCount);
}

std::vector<std::string> RegistryObject::ListNames(EnumName enumerate,
                                                   std::uint32_t platform::KeyInfo::*count) {
  std::vector<std::string> names;
  platform::KeyInfo info;
  if (!hasOpenKey() || registry_.QueryInfo(open_, info) != RegStatus::Ok) return names;
  names.reserve(info.*count);
  std::string name;
  for (std::uint32_t index = 0; (registry_.*enumerate)(open_, index, name) == RegStatus::Ok;
       ++index) {
    names.push_back(name);
  }
  return names;
}

bool RegistryObject::ValueExists(std::string_view name) {
  RegValue value;
  if (!hasOpenKey()) return false;
  const RegStatus status = registry_.QueryValue(open_, name, 0, value);
  return status == RegStatus::Ok || status == RegStatus::MoreData;
}

DataType RegistryObject::GetDataType(std::string_view name) {
  RegValue value;
  if (!hasOpenKey()) return DataType::Unknown;
  const RegStatus status = registry_.QueryValue(open_, name, 0, value);
  if (status != RegStatus::Ok && status != RegStatus::MoreData) return DataType::Unknown;
  return DataTypeOf(value.type);
}

std::int64_t RegistryObject::GetDataSize(std::string_view name) {
  RegValue value;
  if (!hasOpenKey()) return -1;
  const RegStatus status = registry_.QueryValue(open_, name, 0, value);
  if (status != RegStatus::Ok && status != RegStatus::MoreData) return -1;
  return value.size;
}

bool RegistryObject::ReadRaw(std::string_view name, RegValue& value) {
  return hasOpenKey() && platform::ReadWholeValue(registry_, open_, name, value) == RegStatus::Ok;
}

std::string RegistryObject::ReadString(std::string_view name) {
  RegValue value;
  if (!ReadRaw(name, value) || value.data.empty()) return {};
  const DataType type = DataTypeOf(value.type);
  if (type != DataType::String && type != DataType::ExpandString) ThrowInvalidDataType(name);
  const auto end = std::find(value.data.begin(), value.data.end(), std::uint8_t{0});
  return std::string(value.data.begin(), end);
}

std::int32_t RegistryObject::ReadInteger(std::string_view name) {
  RegValue value;
  if (!ReadRaw(name, value) || value.type != reg_type::kDword || value.data.size() < 4) {
    ThrowInvalidDataType(name);
  }
  std::uint32_t number = 0;
  for (int i = 3; i >= 0; --i) number = (number << 8) | value.data[static_cast<std::size_t>(i)];
  return static_cast<std::int32_t>(number);
}

std::optional<std::vector<std::uint8_t>> RegistryObject::ReadBinary(std::string_view name,
                                                                    std::size_t capacity) {
  RegValue value;
  if (!hasOpenKey() || registry_.QueryValue(open_, name, capacity, value) != RegStatus::Ok) {
    return std::nullopt;
  }
  return std::move(value.data);
}

bool RegistryObject::DeleteValue(std::string_view name) {
  return hasOpenKey() && registry_.DeleteValue(open_, name) == RegStatus::Ok;
}

bool RegistryObject::DeleteKey(std::string_view path) {
  const Target target = Resolve(path);
  if (target.fullPath.empty() || target.path.empty())
    return false;  // never a root or the key itself
  return DeleteKeyTree(registry_, target.base, target.path);
}

bool RegistryObject::WriteString(std::string_view name, std::string_view text) {
  if (!hasOpenKey()) return false;
  std::vector<std::uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  return registry_.SetValue(open_, name, reg_type::kString, data) == RegStatus::Ok;
}

bool DeleteKeyTree(platform::Registry& registry, KeyHandle parent, std::string_view path) {
  KeyHandle key;
  if (registry.OpenKey(parent, path, KeyAccess::Read, key) != RegStatus::Ok) return false;
  {
    platform::ScopedKey scoped(registry, key);
    platform::KeyInfo info;
    if (registry.QueryInfo(key, info) == RegStatus::Ok) {
      std::string child;
      for (std::uint32_t index = info.subkeyCount; index-- > 0;) {
        if (registry.EnumKey(key, index, child) == RegStatus::Ok) {
          (void)DeleteKeyTree(registry, key, child);
        }
      }
    }
  }
  return registry.DeleteKey(parent, path) == RegStatus::Ok;
}

}  // namespace halvex::model
