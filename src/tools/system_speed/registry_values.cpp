#include "tools/system_speed/registry_values.h"

#include <charconv>
#include <cstring>
#include <vector>

namespace halvex::tools::system_speed {

using platform::KeyAccess;
using platform::KeyHandle;
using platform::RegStatus;
using platform::RegValue;
using platform::RootHandle;
using platform::ScopedKey;

std::string FullKeyName(RootKey root, std::string_view key) {
  std::string name(platform::RootName(root));
  name += '\\';
  name += key;
  return name;
}

ScopedKey OpenForWriting(platform::Registry& registry, RootKey root, std::string_view key,
                         KeyUse use) {
  KeyHandle opened;
  const RegStatus status =
      use == KeyUse::Created
          ? registry.CreateKey(RootHandle(root), key, opened)
          : registry.OpenKey(RootHandle(root), key, KeyAccess::ReadWrite, opened);
  if (status != RegStatus::Ok) return {};
  return ScopedKey(registry, opened);
}

bool KeyExists(platform::Registry& registry, RootKey root, std::string_view key) {
  KeyHandle opened;
  if (registry.OpenKey(RootHandle(root), key, KeyAccess::Read, opened) != RegStatus::Ok) {
    return false;
  }
  registry.CloseKey(opened);
  return true;
}

std::optional<std::string> FirstMissingKey(platform::Registry& registry, RootKey root,
                                           std::string_view key) {
  std::size_t end = 0;
  while (end != std::string_view::npos) {
    end = key.find('\\', end + 1);
    const std::string_view prefix = key.substr(0, end);
    if (!KeyExists(registry, root, prefix)) return std::string(prefix);
  }
  return std::nullopt;
}

std::optional<RegValue> ReadValue(platform::Registry& registry, RootKey root, std::string_view key,
                                  std::string_view name) {
  KeyHandle opened;
  if (registry.OpenKey(RootHandle(root), key, KeyAccess::Read, opened) != RegStatus::Ok) {
    return std::nullopt;
  }
  ScopedKey scoped(registry, opened);
  RegValue value;
  if (platform::ReadWholeValue(registry, opened, name, value) != RegStatus::Ok) return std::nullopt;
  return value;
}

bool WriteText(platform::Registry& registry, KeyHandle key, std::string_view name,
               std::string_view text) {
  std::vector<std::uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  return registry.SetValue(key, name, platform::reg_type::kString, data) == RegStatus::Ok;
}

bool WriteInteger(platform::Registry& registry, KeyHandle key, std::string_view name,
                  std::uint32_t number) {
  std::uint8_t data[4];
  std::memcpy(data, &number, sizeof data);
  return registry.SetValue(key, name, platform::reg_type::kDword, data) == RegStatus::Ok;
}

std::optional<std::string> TextOf(const RegValue& value) {
  if (value.type != platform::reg_type::kString &&
      value.type != platform::reg_type::kExpandString) {
    return std::nullopt;
  }
  std::string text(value.data.begin(), value.data.end());
  return text.substr(0, text.find('\0'));
}

std::optional<std::uint32_t> IntegerOf(const RegValue& value) {
  if (value.type != platform::reg_type::kDword || value.data.size() != 4) return std::nullopt;
  std::uint32_t number = 0;
  std::memcpy(&number, value.data.data(), sizeof number);
  return number;
}

std::int32_t DecimalOrZero(std::string_view text) {
  std::string_view digits = text;
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  if (digits.empty() || digits.front() == '+') return 0;
  std::int32_t number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) return 0;
  return number;
}

std::string EncodePriorValue(const std::optional<RegValue>& value) {
  if (!value) return "none";
  static constexpr char kHex[] = "0123456789abcdef";
  std::string line = std::to_string(value->type) + ":";
  for (const std::uint8_t byte : value->data) {
    line += kHex[byte >> 4];
    line += kHex[byte & 0xF];
  }
  return line;
}

std::optional<std::optional<RegValue>> DecodePriorValue(std::string_view line) {
  if (line == "none") return std::optional<RegValue>{};
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos || colon == 0) return std::nullopt;
  RegValue value;
  const auto [end, error] = std::from_chars(line.data(), line.data() + colon, value.type);
  if (error != std::errc() || end != line.data() + colon) return std::nullopt;
  const std::string_view hex = line.substr(colon + 1);
  if (hex.size() % 2 != 0) return std::nullopt;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    std::uint8_t byte = 0;
    const auto [byteEnd, byteError] = std::from_chars(hex.data() + i, hex.data() + i + 2, byte, 16);
    if (byteError != std::errc() || byteEnd != hex.data() + i + 2) return std::nullopt;
    value.data.push_back(byte);
  }
  value.size = static_cast<std::uint32_t>(value.data.size());
  return std::optional<RegValue>(std::move(value));
}

}  // namespace halvex::tools::system_speed
