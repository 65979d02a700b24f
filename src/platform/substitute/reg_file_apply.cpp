// Carries out parsed .reg operations through the registry interface, the way the registry
// editor does: a key line creates the key and keeps it open for the value lines after it.
#include <string>
#include <utility>

#include "platform/substitute/reg_file_reader.h"

namespace halvex::platform::substitute {
namespace {

// The key of the last key line, kept open while the value lines that follow it name it.
class OpenKeyCache {
 public:
  explicit OpenKeyCache(Registry& registry) : registry_(registry) {}

  RegStatus Open(RootKey root, const std::string& path, KeyHandle& key) {
    if (!open_ || root != root_ || path != path_) {
      open_.Reset();
      KeyHandle created;
      const RegStatus status = registry_.CreateKey(RootHandle(root), path, created);
      if (status != RegStatus::Ok) return status;
      open_ = ScopedKey(registry_, created);
      root_ = root;
      path_ = path;
    }
    key = open_.get();
    return RegStatus::Ok;
  }

  void Close() { open_.Reset(); }

 private:
  Registry& registry_;
  ScopedKey open_;
  RootKey root_ = RootKey::None;
  std::string path_;
};

// Deletes the key `path` below `parent` and everything below it, stopping at the first refusal.
RegStatus DeleteTree(Registry& registry, KeyHandle parent, const std::string& path) {
  KeyHandle opened;
  RegStatus status = registry.OpenKey(parent, path, KeyAccess::Read, opened);
  if (status != RegStatus::Ok) return status;
  {
    ScopedKey key(registry, opened);
    std::string child;
    // Index 0 again each time: deleting a subkey moves the next one into its place.
    while ((status = registry.EnumKey(key.get(), 0, child)) == RegStatus::Ok) {
      status = DeleteTree(registry, key.get(), child);
      if (status != RegStatus::Ok) return status;
    }
    if (status != RegStatus::NoMoreItems) return status;
  }
  return registry.DeleteKey(parent, path);
}

std::string ValueText(const RegFileOperation& operation) {
  return operation.valueName.empty() ? std::string("the default value")
                                     : "value \"" + operation.valueName + "\"";
}

std::string Describe(const RegFileOperation& operation) {
  switch (operation.kind) {
    case RegFileOperationKind::CreateKey:
      return "cannot create key " + operation.FullKeyPath();
    case RegFileOperationKind::DeleteKeyTree:
      return "cannot delete key " + operation.FullKeyPath();
    case RegFileOperationKind::SetValue:
      return "cannot set " + ValueText(operation) + " of " + operation.FullKeyPath();
    case RegFileOperationKind::DeleteValue:
      return "cannot delete " + ValueText(operation) + " of " + operation.FullKeyPath();
  }
  return {};
}

RegStatus Apply(Registry& registry, OpenKeyCache& cache, const RegFileOperation& operation) {
  KeyHandle key;
  switch (operation.kind) {
    case RegFileOperationKind::CreateKey:
      return cache.Open(operation.root, operation.path, key);
    case RegFileOperationKind::DeleteKeyTree: {
      if (operation.path.empty()) return RegStatus::InvalidParameter;  // never a root
      cache.Close();
      const RegStatus status = DeleteTree(registry, RootHandle(operation.root), operation.path);
      return status == RegStatus::NotFound ? RegStatus::Ok : status;
    }
    case RegFileOperationKind::SetValue: {
      const RegStatus status = cache.Open(operation.root, operation.path, key);
      if (status != RegStatus::Ok) return status;
      return registry.SetValue(key, operation.valueName, operation.type, operation.data);
    }
    case RegFileOperationKind::DeleteValue: {
      RegStatus status = cache.Open(operation.root, operation.path, key);
      if (status == RegStatus::Ok) status = registry.DeleteValue(key, operation.valueName);
      return status == RegStatus::NotFound ? RegStatus::Ok : status;
    }
  }
  return RegStatus::InvalidParameter;
}

}  // namespace

RegApplyStatus ApplyRegFile(Registry& registry, const RegFileOperations& operations) {
  OpenKeyCache cache(registry);
  for (std::size_t index = 0; index < operations.size(); ++index) {
    const RegFileOperation& operation = operations[index];
    const RegStatus status = Apply(registry, cache, operation);
    if (status != RegStatus::Ok) {
      return {status, index, operation.line,
              Describe(operation) + " (error " + std::to_string(static_cast<int>(status)) + ")"};
    }
  }
  return {};
}

}  // namespace halvex::platform::substitute
