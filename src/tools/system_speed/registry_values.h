#pragma once
// The few registry steps the optimizer takes, on the registry interface: opening a key with or
// without creating it, reading and writing one value, the decimal texts of saved integers, and
// a value's whole prior state as one line of text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry.h"
#include "tools/system_speed/tweak_table.h"

namespace halvex::tools::system_speed {

// "HKEY_LOCAL_MACHINE\SYSTEM\..." for messages and listings.
std::string FullKeyName(RootKey root, std::string_view key);

// Opens the key for reading and writing; `Created` creates it and its parents when missing.
platform::ScopedKey OpenForWriting(platform::Registry& registry, RootKey root, std::string_view key,
                                   KeyUse use);
bool KeyExists(platform::Registry& registry, RootKey root, std::string_view key);
// The path of the highest key of `key` that does not exist yet; nullopt when all exist.
std::optional<std::string> FirstMissingKey(platform::Registry& registry, RootKey root,
                                           std::string_view key);

// The value's type and data; nullopt when the key or the value is missing.
std::optional<platform::RegValue> ReadValue(platform::Registry& registry, RootKey root,
                                            std::string_view key, std::string_view name);
[[nodiscard]] bool WriteText(platform::Registry& registry, platform::KeyHandle key,
                             std::string_view name, std::string_view text);
[[nodiscard]] bool WriteInteger(platform::Registry& registry, platform::KeyHandle key,
                                std::string_view name, std::uint32_t number);

// The text of a REG_SZ or REG_EXPAND_SZ value, cut at its first NUL; nullopt for other types.
std::optional<std::string> TextOf(const platform::RegValue& value);
// The number of a REG_DWORD value; nullopt for other types.
std::optional<std::uint32_t> IntegerOf(const platform::RegValue& value);

// A decimal integer with an optional sign within 32 bits, as a saved text holds it; any other
// text counts 0, so one odd value does not stop a run halfway.
std::int32_t DecimalOrZero(std::string_view text);

// A value's prior state as one line: "none", or its type number, a colon and its data in hex
// ("4:01000000"); and back. A line that cannot be read is nullopt.
std::string EncodePriorValue(const std::optional<platform::RegValue>& value);
std::optional<std::optional<platform::RegValue>> DecodePriorValue(std::string_view line);

}  // namespace halvex::tools::system_speed
