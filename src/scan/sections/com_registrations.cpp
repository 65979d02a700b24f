#include "scan/sections/com_registrations.h"

#include <algorithm>
#include <array>
#include <string>

#include "model/key_naming.h"
#include "scan/key_walk.h"

namespace halvex::scan {
namespace {

using model::registry_content::TContent;
using platform::RegStatus;

// Key names compare case-sensitively, as the registrations write them: a key named HelpDir or
// inprocserver32 is walked but not tested.
constexpr std::string_view kHelpDirName = "HELPDIR";
constexpr std::array<std::string_view, 3> kServerNames = {"InprocServer", "LocalServer32",
                                                          "InprocServer32"};
// Application identifiers hold no servers; their subtrees are not walked.
constexpr std::string_view kAppIdName = "AppID";

std::string FullKeyPath(platform::RootKey root, std::string_view path) {
  return model::RootKeyName(root) + "\\" + std::string(path);
}

// The default value as text; a value of another type (or none) counts as empty.
std::string DefaultText(platform::Registry& registry, platform::KeyHandle key) {
  return ReadText(registry, key, "").value_or(std::string());
}

TContent EmptyKeyProblem(const std::string& keyPath, std::string_view itemName,
                         const std::string& value) {
  TContent problem;
  problem.KeyPath = keyPath;
  problem.ItemName = std::string(itemName);
  problem.ValueName = std::string(model::kDefaultValueName);
  problem.ValueData = value;
  problem.DetailKeyPath = " Key Path:" + keyPath;
  problem.DetailValueName = " ValueName:default";
  problem.DetailValue = " Value:" + value;
  problem.DetailProblem = " The key is Emtpy";
  return problem;
}

TContent TypeLibProblem(const std::string& keyPath, const std::string& typeLibId) {
  TContent problem;
  problem.KeyPath = keyPath;
  problem.ItemName = "TypeLib";
  problem.ValueName = std::string(model::kDefaultValueName);
  problem.ValueData = typeLibId;
  problem.DetailKeyPath = "Key Path:" + keyPath;
  problem.DetailValueName = "ValueName:default";
  problem.DetailValue = "Value:" + typeLibId;
  problem.DetailProblem = "The following App ID or CLSID doesn't exist";
  return problem;
}

// WalkClassKeys: the walk over the whole tree, with CheckHelpDirKey and CheckServerKey on the
// keys they test.
class ClassKeyRules final : public KeyWalkRules {
 public:
  bool PassesOver(std::string_view name) const override { return name == kAppIdName; }
  bool WalksBelow(std::string_view) const override { return true; }

  void Examine(SectionScan& scan, const WalkedKey& key) override {
    if (key.name == kHelpDirName) {
      CheckHelpDirKey(scan, key);
    } else if (std::find(kServerNames.begin(), kServerNames.end(), key.name) !=
               kServerNames.end()) {
      CheckServerKey(scan, key);
    }
  }

 private:
  // A help folder key without a folder: its value shows the key's own path.
  static void CheckHelpDirKey(SectionScan& scan, const WalkedKey& key) {
    if (!DefaultText(scan.platform().registry, key.handle).empty()) return;
    const std::string keyPath = FullKeyPath(scan.root(), key.path);
    if (!Reportable(scan, keyPath, key.path)) return;
    scan.AddProblem(EmptyKeyProblem(keyPath, kHelpDirName, std::string(key.path)));
  }

  // A server key that names no server. One that names a missing file is not this section's
  // problem.
  static void CheckServerKey(SectionScan& scan, const WalkedKey& key) {
    const std::string text = DefaultText(scan.platform().registry, key.handle);
    if (!text.empty()) return;
    const std::string keyPath = FullKeyPath(scan.root(), key.path);
    if (!Reportable(scan, keyPath, key.path)) return;
    scan.AddProblem(EmptyKeyProblem(keyPath, key.name, text));
  }

  static bool Reportable(SectionScan& scan, const std::string& keyPath, std::string_view path) {
    return !scan.IsIgnored(keyPath, model::kDefaultValueName) &&
           OpensForWriting(scan.platform().registry, scan.root(), path);
  }
};

// CheckClsidTypeLibs: each class's "TypeLib" key must name a registered type library. It reads
// HKEY_CLASSES_ROOT whatever root the section has; the root only names the problem's key.
void CheckClsidTypeLibs(SectionScan& scan) {
  platform::Registry& registry = scan.platform().registry;
  const platform::KeyHandle classesRoot = platform::RootHandle(platform::RootKey::ClassesRoot);
  platform::KeyHandle classes;
  if (registry.OpenKey(classesRoot, "CLSID", platform::KeyAccess::Read, classes) != RegStatus::Ok) {
    return;
  }
  const platform::ScopedKey scopedClasses(registry, classes);
  platform::KeyHandle typeLibs;
  if (registry.OpenKey(classesRoot, "TypeLib", platform::KeyAccess::Read, typeLibs) !=
      RegStatus::Ok) {
    return;  // with no type library registered at all, no reference can be judged
  }
  const platform::ScopedKey scopedTypeLibs(registry, typeLibs);
  platform::KeyInfo info;
  if (registry.QueryInfo(classes, info) != RegStatus::Ok) return;

  std::string classId;
  for (std::uint32_t index = 0; index < info.subkeyCount; ++index) {
    scan.ProcessMessages();
    if (scan.Aborted()) return;
    if (registry.EnumKey(classes, index, classId) != RegStatus::Ok) continue;
    const std::string belowClasses = classId + "\\TypeLib";
    const std::string path = "CLSID\\" + belowClasses;
    scan.CountVisit(path);
    platform::KeyHandle typeLibKey;
    if (registry.OpenKey(classes, belowClasses, platform::KeyAccess::Read, typeLibKey) !=
        RegStatus::Ok) {
      continue;
    }
    // A default value of another type than text names no type library: nothing to test.
    const std::string typeLibId = DefaultText(registry, typeLibKey);
    registry.CloseKey(typeLibKey);
    if (typeLibId.empty()) continue;
    // The identifier is one key name; a text with a backslash names none.
    if (typeLibId.find('\\') == std::string::npos) {
      platform::KeyHandle registered;
      if (registry.OpenKey(typeLibs, typeLibId, platform::KeyAccess::Read, registered) ==
          RegStatus::Ok) {
        registry.CloseKey(registered);
        continue;
      }
    }
    const std::string keyPath = FullKeyPath(scan.root(), path);
    // An excluded reference skips only its own class.
    if (scan.IsIgnored(keyPath, model::kDefaultValueName)) continue;
    if (!OpensForWriting(registry, platform::RootKey::ClassesRoot, path)) continue;
    scan.AddProblem(TypeLibProblem(keyPath, typeLibId));
  }
}

class ComRegistrations final : public SectionRoutines {
 public:
  void Scan(SectionScan& scan) const override {
    ClassKeyRules rules;
    WalkKeys(scan, scan.startKey(), rules);
    CheckClsidTypeLibs(scan);
  }

  // RepairComRegistrations deletes the key with everything below it. Only the leading root name
  // is taken off the path, so a key below it whose name holds "HKEY_CLASSES_ROOT" keeps it.
  RepairTarget TargetOf(const TContent& problem) const override {
    return RepairTarget{RepairTarget::Kind::KeyTree, problem.KeyPath, {}, {}};
  }
};

}  // namespace

const SectionRoutines& ComRegistrationsSection() {
  static const ComRegistrations routines;
  return routines;
}

}  // namespace halvex::scan
