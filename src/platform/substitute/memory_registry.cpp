#include "platform/substitute/memory_registry.h"

#include <algorithm>

namespace halvex::platform::substitute {

struct MemoryRegistry::Value {
  std::string name;
  std::uint32_t type = reg_type::kNone;
  std::vector<std::uint8_t> data;
};

struct MemoryRegistry::Node : std::enable_shared_from_this<Node> {
  std::string name;
  Node* parent = nullptr;
  std::vector<std::shared_ptr<Node>> subkeys;  // sorted by upper-cased name
  std::vector<Value> values;                   // in the order they were made
  // Upper-cased value name to its place in `values`: keys with thousands of values (shared
  // libraries, fonts) are looked up once per value, which a linear search makes quadratic.
  std::unordered_map<std::string, std::size_t> valueIndex;
  KeyFaults faults;
  bool deleted = false;
};

namespace {

// Splits "A\B\C" into its names; the empty path has none. An empty name inside a path
// (a doubled or trailing backslash) makes the path invalid.
bool SplitPath(std::string_view path, std::vector<std::string_view>& names) {
  names.clear();
  if (path.empty()) return true;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = path.find('\\', start);
    const std::string_view name = path.substr(start, end - start);
    if (name.empty()) return false;
    names.push_back(name);
    if (end == std::string_view::npos) return true;
    start = end + 1;
  }
}

}  // namespace

MemoryRegistry::MemoryRegistry(const CodePage& codePage) : codePage_(codePage) {
  for (RootKey root : kNamedRoots)
    roots_[static_cast<std::uint32_t>(root)] = std::make_shared<Node>();
}

MemoryRegistry::~MemoryRegistry() = default;

RegStatus MemoryRegistry::Resolve(KeyHandle key, Handle& handle) const {
  if (IsRootHandle(key)) {
    handle = Handle{roots_.at(static_cast<std::uint32_t>(key.value)), KeyAccess::ReadWrite};
    return RegStatus::Ok;
  }
  const auto found = handles_.find(key.value);
  if (found == handles_.end()) return RegStatus::InvalidHandle;
  if (found->second.node->deleted) return RegStatus::KeyDeleted;
  handle = found->second;
  return RegStatus::Ok;
}

MemoryRegistry::Node* MemoryRegistry::FindChild(const Node& node, std::string_view name) const {
  const auto at = std::lower_bound(node.subkeys.begin(), node.subkeys.end(), name,
                                   [this](const auto& child, std::string_view n) {
                                     return codePage_.CompareNoCase(child->name, n) < 0;
                                   });
  if (at != node.subkeys.end() && codePage_.EqualNoCase((*at)->name, name)) return at->get();
  return nullptr;
}

MemoryRegistry::Node& MemoryRegistry::AddChild(Node& node, std::string_view name) {
  const auto at = std::lower_bound(node.subkeys.begin(), node.subkeys.end(), name,
                                   [this](const auto& child, std::string_view n) {
                                     return codePage_.CompareNoCase(child->name, n) < 0;
                                   });
  auto child = std::make_shared<Node>();
  child->name = std::string(name);
  child->parent = &node;
  return **node.subkeys.insert(at, std::move(child));
}

MemoryRegistry::Value* MemoryRegistry::FindValue(Node& node, std::string_view name) const {
  const auto found = node.valueIndex.find(codePage_.Upper(name));
  return found == node.valueIndex.end() ? nullptr : &node.values[found->second];
}

KeyHandle MemoryRegistry::NewHandle(std::shared_ptr<Node> node, KeyAccess access) {
  const std::uintptr_t value = nextHandle_++;
  handles_.emplace(value, Handle{std::move(node), access});
  return KeyHandle{value};
}

void MemoryRegistry::InjectFaults(RootKey root, std::string_view path, KeyFaults faults) {
  std::vector<std::string_view> names;
  if (!SplitPath(path, names)) return;
  Node* node = roots_.at(static_cast<std::uint32_t>(root)).get();
  for (std::string_view name : names) {
    Node* child = FindChild(*node, name);
    node = child != nullptr ? child : &AddChild(*node, name);
  }
  node->faults = faults;
}

RegStatus MemoryRegistry::OpenKey(KeyHandle parent, std::string_view path, KeyAccess access,
                                  KeyHandle& opened) {
  Handle base;
  if (const RegStatus status = Resolve(parent, base); status != RegStatus::Ok) return status;
  std::vector<std::string_view> names;
  if (!SplitPath(path, names)) return RegStatus::NotFound;
  Node* node = base.node.get();
  for (std::string_view name : names) {
    node = FindChild(*node, name);
    if (node == nullptr) return RegStatus::NotFound;
  }
  if (node->faults.refuseOpen) return RegStatus::AccessDenied;
  if (access == KeyAccess::ReadWrite && node->faults.readOnly) return RegStatus::AccessDenied;
  opened = NewHandle(node->shared_from_this(), access);
  return RegStatus::Ok;
}

RegStatus MemoryRegistry::CreateKey(KeyHandle parent, std::string_view path, KeyHandle& opened) {
  Handle base;
  if (const RegStatus status = Resolve(parent, base); status != RegStatus::Ok) return status;
  std::vector<std::string_view> names;
  if (!SplitPath(path, names)) return RegStatus::InvalidParameter;
  Node* node = base.node.get();
  for (std::string_view name : names) {
    if (node->faults.refuseOpen) return RegStatus::AccessDenied;
    Node* child = FindChild(*node, name);
    if (child == nullptr) {
      if (node->faults.readOnly) return RegStatus::AccessDenied;
      child = &AddChild(*node, name);
    }
    node = child;
  }
  if (node->faults.refuseOpen || node->faults.readOnly) return RegStatus::AccessDenied;
  opened = NewHandle(node->shared_from_this(), KeyAccess::ReadWrite);
  return RegStatus::Ok;
}

void MemoryRegistry::CloseKey(KeyHandle key) {
  handles_.erase(key.value);
}

RegStatus MemoryRegistry::QueryInfo(KeyHandle key, KeyInfo& info) {
  Handle handle;
  if (const RegStatus status = Resolve(key, handle); status != RegStatus::Ok) return status;
  info.subkeyCount = static_cast<std::uint32_t>(handle.node->subkeys.size());
  info.valueCount = static_cast<std::uint32_t>(handle.node->values.size());
  return RegStatus::Ok;
}

RegStatus MemoryRegistry::EnumKey(KeyHandle key, std::uint32_t index, std::string& name) {
  Handle handle;
  if (const RegStatus status = Resolve(key, handle); status != RegStatus::Ok) return status;
  if (index >= handle.node->subkeys.size()) return RegStatus::NoMoreItems;
  name = handle.node->subkeys[index]->name;
  return RegStatus::Ok;
}

RegStatus MemoryRegistry::EnumValue(KeyHandle key, std::uint32_t index, std::string& name) {
  Handle handle;
  if (const RegStatus status = Resolve(key, handle); status != RegStatus::Ok) return status;
  if (index >= handle.node->values.size()) return RegStatus::NoMoreItems;
  name = handle.node->values[index].name;
  return RegStatus::Ok;
}

RegStatus MemoryRegistry::QueryValue(KeyHandle key, std::string_view name, std::size_t capacity,
                                     RegValue& value) {
  Handle handle;
  if (const RegStatus status = Resolve(key, handle); status != RegStatus::Ok) return status;
  const Value* found = FindValue(*handle.node, name);
  if (found == nullptr) return RegStatus::NotFound;
  value.type = found->type;
  value.size = static_cast<std::uint32_t>(found->data.size());
  if (found->data.size() > capacity) {
    value.data.clear();
    return RegStatus::MoreData;
  }
  value.data = found->data;
  return RegStatus::Ok;
}

RegStatus MemoryRegistry::SetValue(KeyHandle key, std::string_view name, std::uint32_t type,
                                   std::span<const std::uint8_t> data) {
  Handle handle;
  if (const RegStatus status = Resolve(key, handle); status != RegStatus::Ok) return status;
  if (handle.access != KeyAccess::ReadWrite || handle.node->faults.readOnly) {
    return RegStatus::AccessDenied;
  }
  Value* value = FindValue(*handle.node, name);
  if (value == nullptr) {
    handle.node->valueIndex.emplace(codePage_.Upper(name), handle.node->values.size());
    value = &handle.node->values.emplace_back(Value{std::string(name), type, {}});
  }
  value->type = type;
  value->data.assign(data.begin(), data.end());
  return RegStatus::Ok;
}

RegStatus MemoryRegistry::DeleteValue(KeyHandle key, std::string_view name) {
  Handle handle;
  if (const RegStatus status = Resolve(key, handle); status != RegStatus::Ok) return status;
  Node& node = *handle.node;
  if (handle.access != KeyAccess::ReadWrite || node.faults.readOnly || node.faults.refuseDelete) {
    return RegStatus::AccessDenied;
  }
  const Value* value = FindValue(node, name);
  if (value == nullptr) return RegStatus::NotFound;
  const auto position = static_cast<std::size_t>(value - node.values.data());
  node.valueIndex.erase(codePage_.Upper(name));
  node.values.erase(node.values.begin() + static_cast<std::ptrdiff_t>(position));
  for (std::size_t i = position; i < node.values.size(); ++i) {
    node.valueIndex[codePage_.Upper(node.values[i].name)] = i;
  }
  return RegStatus::Ok;
}

RegStatus MemoryRegistry::DeleteKey(KeyHandle parent, std::string_view path) {
  Handle base;
  if (const RegStatus status = Resolve(parent, base); status != RegStatus::Ok) return status;
  std::vector<std::string_view> names;
  if (!SplitPath(path, names)) return RegStatus::NotFound;
  if (names.empty()) return RegStatus::AccessDenied;  // a key cannot delete itself through ""
  Node* node = base.node.get();
  for (std::string_view name : names) {
    node = FindChild(*node, name);
    if (node == nullptr) return RegStatus::NotFound;
  }
  if (node->faults.refuseOpen || node->faults.refuseDelete || node->faults.readOnly ||
      !node->subkeys.empty()) {
    return RegStatus::AccessDenied;
  }
  Node& owner = *node->parent;
  node->deleted = true;
  owner.subkeys.erase(std::find_if(owner.subkeys.begin(), owner.subkeys.end(),
                                   [node](const auto& child) { return child.get() == node; }));
  return RegStatus::Ok;
}

}  // namespace halvex::platform::substitute
