#pragma once
// The registry object the scanners, repairs and tools work through: one root, at most one open
// key and that key's path. Keys are opened for reading and writing; one that cannot be opened
// that way counts as not openable.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace halvex::model {

using platform::RootKey;

// A value read as text or integer whose type does not allow it.
class RegistryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Value types as the logic tells them apart; every other platform type is Unknown.
enum class DataType { Unknown, String, ExpandString, Integer, Binary };

class RegistryObject {
 public:
  explicit RegistryObject(platform::Registry& registry) : registry_(registry) {}
  ~RegistryObject() { CloseKey(); }
  RegistryObject(const RegistryObject&) = delete;
  RegistryObject& operator=(const RegistryObject&) = delete;

  // Remembers the root; closes nothing.
  void SetRootKey(RootKey root) { root_ = root; }
  RootKey rootKey() const { return root_; }

  // Path rule: a leading backslash starts at the root; any other path is relative to the open
  // key, or to the root when none is open; the empty path is the root itself. On success the
  // key becomes the open key; on failure the open key stays as it was.
  [[nodiscard]] bool OpenKey(std::string_view path, bool create);
  void CloseKey();
  bool hasOpenKey() const { return open_.value != 0; }
  // The open key's path below the root, without a leading backslash ("" for the root itself).
  const std::string& currentPath() const { return currentPath_; }

  // True when the key opens for reading (same path rule); changes nothing.
  [[nodiscard]] bool KeyExists(std::string_view path);

  // Subkey names of the open key in the platform's enumeration order.
  std::vector<std::string> KeyNames();
  // Value names of the open key in enumeration order; a set default value is the empty name.
  std::vector<std::string> ValueNames();

  // The empty name is the default value in all value operations.
  [[nodiscard]] bool ValueExists(std::string_view name);
  DataType GetDataType(std::string_view name);
  // The size of the value's data in bytes; -1 when it cannot be queried.
  std::int64_t GetDataSize(std::string_view name);
  // Text of a string value, cut at its first NUL; "" when absent or empty. Throws RegistryError
  // ("Invalid data type for '%s'") for a non-empty value of another type.
  std::string ReadString(std::string_view name);
  // Throws RegistryError for anything but an integer value.
  std::int32_t ReadInteger(std::string_view name);
  // The data of a binary value when it fits into `capacity` bytes.
  std::optional<std::vector<std::uint8_t>> ReadBinary(std::string_view name, std::size_t capacity);
  // The value's type and all of its data, whatever they are (for backups).
  [[nodiscard]] bool ReadRaw(std::string_view name, platform::RegValue& value);

  [[nodiscard]] bool DeleteValue(std::string_view name);
  // Deletes the key with all its subkeys and values (same path rule as OpenKey). Refuses the
  // root itself.
  [[nodiscard]] bool DeleteKey(std::string_view path);
  // Creates or replaces a string value.
  [[nodiscard]] bool WriteString(std::string_view name, std::string_view text);

 private:
  struct Target {
    platform::KeyHandle base;  // the root or the open key
    std::string path;          // below `base`
    std::string fullPath;      // below the root
  };
  Target Resolve(std::string_view path) const;
  // The names the platform enumerates by index (subkeys or values) of the open key.
  using EnumName = platform::RegStatus (platform::Registry::*)(platform::KeyHandle, std::uint32_t,
                                                               std::string&);
  std::vector<std::string> ListNames(EnumName enumerate, std::uint32_t platform::KeyInfo::*count);

  platform::Registry& registry_;
  RootKey root_ = RootKey::None;
  platform::KeyHandle open_{};
  std::string currentPath_;
};

// Deletes the key `path` below `parent` with all its subkeys and values, depth-first, the
// subkeys of each key from the highest index down. True when the key itself was deleted.
[[nodiscard]] bool DeleteKeyTree(platform::Registry& registry, platform::KeyHandle parent,
                                 std::string_view path);

}  // namespace halvex::model
