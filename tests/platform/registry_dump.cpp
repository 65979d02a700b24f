#include "tests/platform/registry_dump.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace halvex::testing {
namespace {

using platform::KeyHandle;
using platform::RegStatus;

std::string Escaped(std::string_view bytes) {
  std::string text;
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == 0) {
      text += "\\0";
    } else if (byte < 0x20 || byte > 0x7E || c == '\'' || c == '\\') {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      text += hex;
    } else {
      text += c;
    }
  }
  return text;
}

std::string StatusText(RegStatus status) {
  return std::to_string(static_cast<int>(status));
}

void DumpKey(platform::Registry& registry, KeyHandle key, const std::string& path,
             std::vector<std::string>& lines) {
  lines.push_back(path);
  std::string name;
  for (std::uint32_t index = 0; registry.EnumValue(key, index, name) == RegStatus::Ok; ++index) {
    platform::RegValue value;
    const RegStatus status = platform::ReadWholeValue(registry, key, name, value);
    const std::string shownName = name.empty() ? "@" : "'" + Escaped(name) + "'";
    if (status != RegStatus::Ok) {
      lines.push_back(path + ": " + shownName + " <cannot read: " + StatusText(status) + ">");
      continue;
    }
    const std::string data(value.data.begin(), value.data.end());
    lines.push_back(path + ": " + shownName + " = " + std::to_string(value.type) + " '" +
                    Escaped(data) + "'");
  }
  for (std::uint32_t index = 0; registry.EnumKey(key, index, name) == RegStatus::Ok; ++index) {
    const std::string childPath = (path == "." ? "" : path + "\\") + Escaped(name);
    KeyHandle child;
    const RegStatus status = registry.OpenKey(key, name, platform::KeyAccess::Read, child);
    if (status != RegStatus::Ok) {
      lines.push_back(childPath + " <cannot open: " + StatusText(status) + ">");
      continue;
    }
    platform::ScopedKey scoped(registry, child);
    DumpKey(registry, child, childPath, lines);
  }
}

}  // namespace

std::string DumpRegistry(platform::Registry& registry, platform::RootKey root,
                         std::string_view path) {
  KeyHandle key;
  const RegStatus status =
      registry.OpenKey(platform::RootHandle(root), path, platform::KeyAccess::Read, key);
  if (status != RegStatus::Ok) {
    return "<cannot open " + std::string(path) + ": " + StatusText(status) + ">\n";
  }
  platform::ScopedKey scoped(registry, key);
  std::vector<std::string> lines;
  DumpKey(registry, key, ".", lines);
  std::sort(lines.begin(), lines.end());
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace halvex::testing
