#include "bench/walks/floor_walk.h"

#include <string>
#include <vector>

#include "model/text_search.h"
#include "scan/sections/software_settings.h"

namespace halvex::bench {
namespace {

using platform::RegStatus;

class Floor {
 public:
  Floor(platform::Registry& registry, platform::Locale& locale)
      : registry_(registry), locale_(locale) {}

  // COM registrations: every key but the AppID subtrees, subkeys only.
  void Classes() {
    rules_ = nullptr;
    Root(platform::RootKey::ClassesRoot);
  }

  void Software(platform::RootKey root, const scan::SoftwareSettingsRules& rules) {
    rules_ = &rules;
    upperTexts_.clear();
    for (std::string_view text : rules.unwalkedPathTexts)
      upperTexts_.push_back(locale_.Upper(text));
    Root(root);
  }

  FloorCounts counts;

 private:
  void Root(platform::RootKey root) {
    path_.clear();
    platform::KeyInfo info;
    if (registry_.QueryInfo(platform::RootHandle(root), info) != RegStatus::Ok) return;
    Subkeys(platform::RootHandle(root), info.subkeyCount);
  }

  void Subkeys(platform::KeyHandle key, std::uint32_t count) {
    const std::size_t parentLength = path_.size();
    std::string name;
    for (std::uint32_t index = 0; index < count; ++index) {
      if (registry_.EnumKey(key, index, name) != RegStatus::Ok) continue;
      path_.resize(parentLength);
      if (parentLength != 0) path_ += '\\';
      path_ += name;
      if (PassesOver(name)) continue;
      platform::KeyHandle child;
      if (registry_.OpenKey(key, name, platform::KeyAccess::Read, child) != RegStatus::Ok) continue;
      ++counts.keys;
      platform::KeyInfo info;
      if (registry_.QueryInfo(child, info) == RegStatus::Ok) {
        if (rules_ != nullptr) Values(child, info.valueCount);
        if (WalksBelow()) Subkeys(child, info.subkeyCount);
      }
      registry_.CloseKey(child);
    }
    path_.resize(parentLength);
  }

  void Values(platform::KeyHandle key, std::uint32_t count) {
    std::string name;
    platform::RegValue value;
    for (std::uint32_t index = 0; index < count; ++index) {
      if (registry_.EnumValue(key, index, name) != RegStatus::Ok) continue;
      (void)registry_.QueryValue(key, name, 1024, value);
      ++counts.values;
    }
  }

  bool PassesOver(std::string_view name) const {
    return rules_ == nullptr ? name == "AppID" : rules_->passesOverAppPaths && name == "App Paths";
  }

  bool WalksBelow() const {
    if (rules_ == nullptr) return true;
    const std::string upper = locale_.Upper(path_);
    for (const std::string& text : upperTexts_) {
      if (model::Contains(upper, text)) return false;
    }
    return true;
  }

  platform::Registry& registry_;
  platform::Locale& locale_;
  const scan::SoftwareSettingsRules* rules_ = nullptr;
  std::vector<std::string> upperTexts_;
  std::string path_;
};

}  // namespace

FloorCounts WalkFloor(platform::Registry& registry, platform::Locale& locale) {
  Floor floor(registry, locale);
  floor.Classes();
  floor.Software(platform::RootKey::CurrentUser, scan::UserSoftwareRules());
  floor.Software(platform::RootKey::LocalMachine, scan::SystemSoftwareRules());
  floor.Software(platform::RootKey::Users, scan::SystemSoftwareRules());
  return floor.counts;
}

}  // namespace halvex::bench
