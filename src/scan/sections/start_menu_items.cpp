#include "scan/sections/start_menu_items.h"

#include <string>
#include <vector>

#include "model/key_naming.h"
#include "model/registry_object.h"

namespace halvex::scan {
namespace {

using model::registry_content::TContent;

// The ValueData of the records whose repair deletes their folder subkey.
constexpr std::string_view kDeletesKey = "key";
constexpr std::string_view kProblemText = " The key does not exist at the specified location";

TContent MakeRecord(const std::string& keyPath, const std::string& folder) {
  TContent record;
  record.KeyPath = keyPath;
  record.ItemName = folder;
  return record;
}

// The first pass's folder record, the one whose repair deletes the folder subkey.
TContent MakeFolderRecord(const std::string& keyPath, const std::string& folder) {
  TContent record = MakeRecord(keyPath, folder);
  record.ValueName = std::string(model::kDefaultValueName);
  record.ValueData = std::string(kDeletesKey);
  record.DetailKeyPath = " Key Path:" + keyPath;
  record.DetailValueName = " ValueName:default";
  record.DetailValue = " Value:Empty";
  record.DetailProblem = std::string(kProblemText);
  return record;
}

// The second pass lists the folder again, without details, before each of its values.
TContent MakeFolderAgainRecord(const std::string& keyPath, const std::string& folder) {
  TContent record = MakeRecord(keyPath, folder);
  record.ValueName = std::string(model::kDefaultValueName);
  return record;
}

TContent MakeValueRecord(const std::string& keyPath, const std::string& folder,
                         const std::string& valueName) {
  TContent record = MakeRecord(keyPath, folder);
  record.ValueName = valueName;
  record.DetailKeyPath = " Key Path:" + keyPath;
  record.DetailValueName = " ValueName:" + valueName;
  record.DetailValue = " Value:Empty";
  record.DetailProblem = std::string(kProblemText);
  return record;
}

// A short list of folders: neither pass tests the abort flag, processes messages or shows
// progress. An ignored record is passed over alone; the records after it are still listed.
class StartMenuItems final : public SectionRoutines {
 public:
  void Scan(SectionScan& scan) const override {
    model::RegistryObject programs(scan.platform().registry);
    programs.SetRootKey(scan.root());
    if (!programs.OpenKey(scan.startKey(), /*create=*/false)) return;
    const std::vector<std::string> folders = programs.KeyNames();
    const std::string parent = std::string(scan.startKey()) + "\\";
    const std::string parentKeyPath = model::RootKeyName(scan.root()) + "\\" + parent;

    for (const std::string& folder : folders) {
      const std::string keyPath = parentKeyPath + folder;
      if (scan.IsIgnored(keyPath, model::kDefaultValueName)) continue;
      scan.AddProblem(MakeFolderRecord(keyPath, folder));
    }
    for (const std::string& folder : folders) {
      model::RegistryObject order(scan.platform().registry);
      order.SetRootKey(scan.root());
      if (!order.OpenKey("\\" + parent + folder, /*create=*/false)) continue;
      const std::string keyPath = parentKeyPath + folder;
      for (const std::string& valueName : order.ValueNames()) {
        if (!scan.IsIgnored(keyPath, model::kDefaultValueName)) {
          scan.AddProblem(MakeFolderAgainRecord(keyPath, folder));
        }
        if (!scan.IsIgnored(keyPath, valueName)) {
          scan.AddProblem(MakeValueRecord(keyPath, folder, valueName));
        }
      }
    }
  }

  // Only the first pass's records delete anything: the folder subkey with its values. The
  // others stand for a part of that subkey, so they are repaired once it is gone.
  RepairTarget TargetOf(const TContent& problem) const override {
    if (problem.ValueData == kDeletesKey) {
      return RepairTarget{RepairTarget::Kind::KeyTree, problem.KeyPath, {}, {}};
    }
    return RepairTarget{RepairTarget::Kind::GoneWithKey, problem.KeyPath, {}, {}};
  }
};

}  // namespace

const SectionRoutines& StartMenuItemsSection() {
  static const StartMenuItems routines;
  return routines;
}

}  // namespace halvex::scan
