#include "scan/repair_target.h"

#include "model/key_naming.h"
#include "model/registry_delete.h"

namespace halvex::scan {
namespace {

// Whether the target still exists, asked through a read-only open.
bool TargetExists(platform::Platform& platform, const RepairTarget& target) {
  if (target.kind == RepairTarget::Kind::File) return platform.files.FileExists(target.filePath);
  const model::SplitKeyPath split = model::SplitFullKeyPath(target.keyPath);
  if (split.root == platform::RootKey::None) return false;
  const std::string_view below =
      std::string_view(split.absolutePath).substr(split.absolutePath.empty() ? 0 : 1);
  platform::KeyHandle key;
  if (platform.registry.OpenKey(platform::RootHandle(split.root), below, platform::KeyAccess::Read,
                                key) != platform::RegStatus::Ok) {
    return false;
  }
  const platform::ScopedKey scoped(platform.registry, key);
  if (target.kind == RepairTarget::Kind::KeyTree ||
      target.kind == RepairTarget::Kind::GoneWithKey) {
    return true;
  }
  platform::RegValue value;
  const platform::RegStatus status =
      platform.registry.QueryValue(key, model::PlatformValueName(target.valueName), 0, value);
  return status == platform::RegStatus::Ok || status == platform::RegStatus::MoreData;
}

bool Delete(platform::Platform& platform, const RepairTarget& target) {
  switch (target.kind) {
    case RepairTarget::Kind::Value:
      return model::DeleteValueByPath(platform.registry, target.keyPath, target.valueName);
    case RepairTarget::Kind::KeyTree:
      return model::DeleteKeyByFullPath(platform.registry, target.keyPath);
    case RepairTarget::Kind::File:
      return platform.files.DeleteFile(target.filePath);
    case RepairTarget::Kind::NoChange:
      return true;
    case RepairTarget::Kind::GoneWithKey:
      return false;  // done only when the key is gone already
  }
  return false;
}

}  // namespace

bool ChangesRegistry(const RepairTarget& target) {
  return target.kind == RepairTarget::Kind::Value || target.kind == RepairTarget::Kind::KeyTree;
}

RepairOutcome PerformRepair(platform::Platform& platform, const RepairTarget& target) {
  if (Delete(platform, target)) return RepairOutcome::Done;
  return TargetExists(platform, target) ? RepairOutcome::Failed : RepairOutcome::AlreadyGone;
}

}  // namespace halvex::scan
