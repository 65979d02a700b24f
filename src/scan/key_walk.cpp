#include "scan/key_walk.h"

#include <algorithm>

namespace halvex::scan {
namespace {

using platform::RegStatus;

// Most text values fit; larger ones are read again whole.
constexpr std::size_t kFirstReadSize = 1024;

class Walk {
 public:
  Walk(SectionScan& scan, KeyWalkRules& rules)
      : scan_(scan), registry_(scan.platform().registry), rules_(rules) {}

  void Start(std::string_view path) {
    path_ = path;
    const platform::KeyHandle root = platform::RootHandle(scan_.root());
    // The root itself needs no handle of its own.
    if (path.empty()) return Level(root);
    platform::KeyHandle key;
    if (registry_.OpenKey(root, path, platform::KeyAccess::Read, key) != RegStatus::Ok) return;
    const platform::ScopedKey scoped(registry_, key);
    Level(key);
  }

 private:
  void Level(platform::KeyHandle key) {
    platform::KeyInfo info;
    if (registry_.QueryInfo(key, info) == RegStatus::Ok) Subkeys(key, info.subkeyCount);
  }

  // The subkeys of the key open as `key`, whose path `path_` holds. The user interface gets its
  // turn before each subkey rather than after it, so that a long way down a deep tree has turns
  // too; the abort flag is tested after it, so that Abort stops the walk before the next key.
  void Subkeys(platform::KeyHandle key, std::uint32_t count) {
    const std::size_t parentLength = path_.size();
    std::string name;
    for (std::uint32_t index = 0; index < count; ++index) {
      if (scan_.Aborted()) return;
      if (registry_.EnumKey(key, index, name) != RegStatus::Ok) continue;
      path_.resize(parentLength);
      if (parentLength != 0) path_ += '\\';
      path_ += name;
      scan_.CountVisit(path_);
      scan_.ProcessMessages();
      if (scan_.Aborted()) return;
      if (!rules_.PassesOver(name)) Visit(key, name);
    }
    path_.resize(parentLength);
  }

  void Visit(platform::KeyHandle parent, std::string_view name) {
    platform::KeyHandle key;
    if (registry_.OpenKey(parent, name, platform::KeyAccess::Read, key) != RegStatus::Ok) return;
    const platform::ScopedKey scoped(registry_, key);
    platform::KeyInfo info;
    if (registry_.QueryInfo(key, info) != RegStatus::Ok) return;
    rules_.Examine(scan_, WalkedKey{key, path_, name, info});
    if (rules_.WalksBelow(path_)) Subkeys(key, info.subkeyCount);
  }

  SectionScan& scan_;
  platform::Registry& registry_;
  KeyWalkRules& rules_;
  // The path of the key being walked; one text for the whole walk, grown and cut per level.
  std::string path_;
};

}  // namespace

void WalkKeys(SectionScan& scan, std::string_view path, KeyWalkRules& rules) {
  Walk(scan, rules).Start(path);
}

bool OpensForWriting(platform::Registry& registry, platform::RootKey root, std::string_view path) {
  platform::KeyHandle key;
  if (registry.OpenKey(platform::RootHandle(root), path, platform::KeyAccess::ReadWrite, key) !=
      RegStatus::Ok) {
    return false;
  }
  registry.CloseKey(key);
  return true;
}

std::optional<std::string> ReadText(platform::Registry& registry, platform::KeyHandle key,
                                    std::string_view name) {
  platform::RegValue value;
  RegStatus status = registry.QueryValue(key, name, kFirstReadSize, value);
  if (status == RegStatus::NotFound) return std::string();
  if (status != RegStatus::Ok && status != RegStatus::MoreData) return std::string();
  if (value.type != platform::reg_type::kString &&
      value.type != platform::reg_type::kExpandString) {
    return std::nullopt;
  }
  if (status == RegStatus::MoreData &&
      platform::ReadWholeValue(registry, key, name, value) != RegStatus::Ok) {
    return std::string();
  }
  const auto end = std::find(value.data.begin(), value.data.end(), std::uint8_t{0});
  return std::string(value.data.begin(), end);
}

}  // namespace halvex::scan
