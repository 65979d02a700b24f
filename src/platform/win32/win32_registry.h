#pragma once
// The registry binding over the system's own API (the ANSI calls, as the program's texts are
// 8-bit strings in the system code page).
#include "platform/registry.h"

namespace halvex::platform::win32 {

class Win32Registry final : public Registry {
 public:
  RegStatus OpenKey(KeyHandle parent, std::string_view path, KeyAccess access,
                    KeyHandle& opened) override;
  RegStatus CreateKey(KeyHandle parent, std::string_view path, KeyHandle& opened) override;
  void CloseKey(KeyHandle key) override;
  RegStatus QueryInfo(KeyHandle key, KeyInfo& info) override;
  RegStatus EnumKey(KeyHandle key, std::uint32_t index, std::string& name) override;
  RegStatus EnumValue(KeyHandle key, std::uint32_t index, std::string& name) override;
  RegStatus QueryValue(KeyHandle key, std::string_view name, std::size_t capacity,
                       RegValue& value) override;
  RegStatus SetValue(KeyHandle key, std::string_view name, std::uint32_t type,
                     std::span<const std::uint8_t> data) override;
  RegStatus DeleteValue(KeyHandle key, std::string_view name) override;
  RegStatus DeleteKey(KeyHandle parent, std::string_view path) override;
};

}  // namespace halvex::platform::win32
