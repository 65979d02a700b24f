#pragma once
// Run values as text and back.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace halvex::tools::startup_manager {

// REG_SZ and REG_EXPAND_SZ give their text up to the first NUL, unexpanded; REG_DWORD its
// decimal number; every other type the empty text.
std::string ValueText(const platform::RegValue& value);

// The only types a line can give back as they were.
bool IsStringType(std::uint32_t type);

// The type a value written back from a line gets: REG_EXPAND_SZ when the text holds "%", so
// that a path with variables stays expandable; REG_SZ otherwise.
std::uint32_t WriteBackType(std::string_view text);

// The text with its NUL, as the system stores a string value.
std::vector<std::uint8_t> StringData(std::string_view text);

}  // namespace halvex::tools::startup_manager
