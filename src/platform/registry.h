#pragma once
// The registry as the logic needs it from the operating system. Two bindings stand behind it:
// win32/ (the real API) and substitute/ (an in-memory registry loaded from .reg text).
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace halvex::platform {

// The named roots carry the handle numbers the system gives them; None opens nothing.
enum class RootKey : std::uint32_t {
  None = 0,
  ClassesRoot = 0x80000000u,
  CurrentUser = 0x80000001u,
  LocalMachine = 0x80000002u,
  Users = 0x80000003u,
  CurrentConfig = 0x80000005u,
};

inline constexpr RootKey kNamedRoots[] = {RootKey::ClassesRoot, RootKey::CurrentUser,
                                          RootKey::LocalMachine, RootKey::Users,
                                          RootKey::CurrentConfig};

// The root's name as the system spells it ("HKEY_CURRENT_USER"); empty for None and for
// handles that are not one of the named roots.
std::string_view RootName(RootKey root);

// Value types, numbered as the system numbers them (REG_SZ = 1 and so on).
namespace reg_type {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kString = 1;
inline constexpr std::uint32_t kExpandString = 2;
inline constexpr std::uint32_t kBinary = 3;
inline constexpr std::uint32_t kDword = 4;
inline constexpr std::uint32_t kDwordBigEndian = 5;
inline constexpr std::uint32_t kLink = 6;
inline constexpr std::uint32_t kMultiString = 7;
inline constexpr std::uint32_t kQword = 11;
}  // namespace reg_type

// Outcomes, numbered as the system's error codes so that both bindings report alike.
enum class RegStatus : std::int32_t {
  Ok = 0,
  NotFound = 2,
  AccessDenied = 5,
  InvalidHandle = 6,
  InvalidParameter = 87,
  MoreData = 234,
  NoMoreItems = 259,
  KeyDeleted = 1018,
  Failed = 1010,  // any other refusal of the system
};

// An open key, or a root (which needs no closing).
struct KeyHandle {
  std::uintptr_t value = 0;
  friend bool operator==(KeyHandle, KeyHandle) = default;
};

constexpr KeyHandle RootHandle(RootKey root) { return KeyHandle{static_cast<std::uintptr_t>(root)}; }

// True for the handles RootHandle gives for the named roots.
bool IsRootHandle(KeyHandle key);

enum class KeyAccess { Read, ReadWrite };

struct KeyInfo {
  std::uint32_t subkeyCount = 0;
  std::uint32_t valueCount = 0;
};

// A value's type and data. After a MoreData answer, `size` is the full size and `data` is empty.
struct RegValue {
  std::uint32_t type = reg_type::kNone;
  std::uint32_t size = 0;
  std::vector<std::uint8_t> data;
};

// Paths are relative to the given key, components separated by one backslash; the empty path
// names the key itself. Names compare case-insensitively and keep the case they were made with.
class Registry {
 public:
  virtual ~Registry() = default;

  [[nodiscard]] virtual RegStatus OpenKey(KeyHandle parent, std::string_view path, KeyAccess access,
                                          KeyHandle& opened) = 0;
  // Opens the key for reading and writing, creating it and any missing parents.
  [[nodiscard]] virtual RegStatus CreateKey(KeyHandle parent, std::string_view path,
                                            KeyHandle& opened) = 0;
  // Closing a root, or a handle that is not open, does nothing.
  virtual void CloseKey(KeyHandle key) = 0;

  [[nodiscard]] virtual RegStatus QueryInfo(KeyHandle key, KeyInfo& info) = 0;
  // Names by index in the system's enumeration order; NoMoreItems past the last one.
  [[nodiscard]] virtual RegStatus EnumKey(KeyHandle key, std::uint32_t index, std::string& name) = 0;
  // A default value that is set is listed under the empty name.
  [[nodiscard]] virtual RegStatus EnumValue(KeyHandle key, std::uint32_t index,
                                            std::string& name) = 0;

  // Reads the value's type and at most `capacity` bytes of its data; the empty name is the
  // default value. Larger data answers MoreData with the type and full size, and no data.
  [[nodiscard]] virtual RegStatus QueryValue(KeyHandle key, std::string_view name,
                                             std::size_t capacity, RegValue& value) = 0;
  [[nodiscard]] virtual RegStatus SetValue(KeyHandle key, std::string_view name, std::uint32_t type,
                                           std::span<const std::uint8_t> data) = 0;
  [[nodiscard]] virtual RegStatus DeleteValue(KeyHandle key, std::string_view name) = 0;
  // Deletes the key at `path` below `parent`; refused while it has subkeys of its own.
  [[nodiscard]] virtual RegStatus DeleteKey(KeyHandle parent, std::string_view path) = 0;
};

// Reads a value whole, whatever its size: asks for the size first, then for the data.
[[nodiscard]] RegStatus ReadWholeValue(Registry& registry, KeyHandle key, std::string_view name,
                                       RegValue& value);

// Closes its key when it goes out of scope.
class ScopedKey {
 public:
  ScopedKey() = default;
  ScopedKey(Registry& registry, KeyHandle key) : registry_(&registry), key_(key) {}
  ScopedKey(ScopedKey&& other) noexcept : registry_(other.registry_), key_(other.Release()) {}
  ScopedKey& operator=(ScopedKey&& other) noexcept;
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;
  ~ScopedKey() { Reset(); }

  KeyHandle get() const { return key_; }
  explicit operator bool() const { return registry_ != nullptr; }
  KeyHandle Release();
  void Reset();

 private:
  Registry* registry_ = nullptr;
  KeyHandle key_{};
};

}  // namespace halvex::platform
