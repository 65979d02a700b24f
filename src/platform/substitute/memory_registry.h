#pragma once
// An in-memory registry with the system's semantics: names compare case-insensitively through
// the code page's upper-casing and keep their case, subkeys enumerate sorted as the system
// sorts them, values in the order they were made. Faults can be injected per key.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/registry.h"
#include "platform/substitute/code_page.h"

namespace halvex::platform::substitute {

struct KeyFaults {
  bool refuseOpen = false;    // every open of the key is refused
  bool readOnly = false;      // opens for writing, value changes and new subkeys are refused
  bool refuseDelete = false;  // deleting the key, or a value in it, is refused
};

class MemoryRegistry final : public Registry {
 public:
  explicit MemoryRegistry(const CodePage& codePage = CodePage::Windows1252());
  ~MemoryRegistry() override;

  const CodePage& codePage() const { return codePage_; }

  // Gives the key (created when missing) the faults; later opens and changes meet them.
  void InjectFaults(RootKey root, std::string_view path, KeyFaults faults);

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

  // How many handles are open; a test reads it to find handles that were never closed.
  std::size_t openHandleCount() const { return handles_.size(); }

 private:
  struct Node;
  struct Value;
  struct Handle {
    std::shared_ptr<Node> node;
    KeyAccess access;
  };

  RegStatus Resolve(KeyHandle key, Handle& handle) const;
  Node* FindChild(const Node& node, std::string_view name) const;
  Node& AddChild(Node& node, std::string_view name);
  Value* FindValue(Node& node, std::string_view name) const;
  KeyHandle NewHandle(std::shared_ptr<Node> node, KeyAccess access);

  const CodePage& codePage_;
  std::unordered_map<std::uint32_t, std::shared_ptr<Node>> roots_;
  std::unordered_map<std::uintptr_t, Handle> handles_;
  std::uintptr_t nextHandle_ = 0x100;
};

}  // namespace halvex::platform::substitute
