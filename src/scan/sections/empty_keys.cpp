#include "scan/sections/empty_keys.h"

#include <string>

#include "model/key_naming.h"
#include "model/text_search.h"
#include "scan/key_walk.h"

namespace halvex::scan {
namespace {

using model::registry_content::TContent;

// The walk does not enter this subtree of the hive's root (exact case).
constexpr std::string_view kDefaultProfile = ".DEFAULT";
// Empty by design: the classes keys of the local and the network service accounts (exact case).
constexpr std::string_view kNeverReported[] = {"S-1-5-19_Classes", "S-1-5-19\\Software\\Classes",
                                               "S-1-5-20_Classes", "S-1-5-20\\Software\\Classes"};

TContent MakeProblem(const std::string& keyPath, std::string_view path) {
  TContent problem;
  problem.KeyPath = keyPath;
  problem.ItemName = std::string(path);
  problem.ValueName = std::string(model::kDefaultValueName);
  problem.DetailKeyPath = " Key Path:" + keyPath;
  problem.DetailValueName = " ValueName:default";
  problem.DetailValue = " Value: empty";
  problem.DetailProblem = " The key is empty key";
  return problem;
}

// ScanEmptyKeys and CheckEmptyKey: the walk's rules and the test of one key.
class EmptyKeysWalk final : public KeyWalkRules {
 public:
  explicit EmptyKeysWalk(SectionScan& scan)
      : scan_(scan),
        rootName_(model::RootKeyName(scan.root())),
        upperMime_(scan.platform().locale.Upper("mime")) {}

  bool PassesOver(std::string_view) const override { return false; }

  bool WalksBelow(std::string_view path) const override { return path != kDefaultProfile; }

  void Examine(SectionScan&, const WalkedKey& key) override {
    if (key.path == kDefaultProfile) return;
    // A set default value counts as a value, even an empty one.
    if (key.info.subkeyCount != 0 || key.info.valueCount != 0) return;
    for (std::string_view path : kNeverReported) {
      if (key.path == path) return;
    }
    if (model::Contains(scan_.platform().locale.Upper(key.path), upperMime_)) return;
    // A key the program may read but not delete could not be repaired.
    if (!OpensForWriting(scan_.platform().registry, scan_.root(), key.path)) return;
    const std::string keyPath = rootName_ + "\\" + std::string(key.path);
    if (scan_.IsIgnored(keyPath, model::kDefaultValueName)) return;
    scan_.AddProblem(MakeProblem(keyPath, key.path));
  }

 private:
  SectionScan& scan_;
  const std::string rootName_;
  const std::string upperMime_;
};

class EmptyKeys final : public SectionRoutines {
 public:
  void Scan(SectionScan& scan) const override {
    EmptyKeysWalk walk(scan);
    WalkKeys(scan, scan.startKey(), walk);
  }

  // The key's own path below the root; its name may hold the root's name too.
  RepairTarget TargetOf(const TContent& problem) const override {
    return RepairTarget{RepairTarget::Kind::KeyTree, problem.KeyPath, {}, {}};
  }
};

}  // namespace

const SectionRoutines& EmptyKeysSection() {
  static const EmptyKeys routines;
  return routines;
}

}  // namespace halvex::scan
