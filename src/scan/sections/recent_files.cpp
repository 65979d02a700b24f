#include "scan/sections/recent_files.h"

#include <string>

#include "model/key_naming.h"
#include "model/registry_object.h"

namespace halvex::scan {
namespace {

using model::registry_content::TContent;

TContent MakeFileDialogProblem(const std::string& keyPath, const std::string& subkey,
                               const std::string& valueName) {
  TContent problem;
  problem.KeyPath = keyPath;
  problem.ItemName = subkey;
  problem.ValueName = valueName;
  problem.DetailKeyPath = " Key Path:" + keyPath;
  problem.DetailValueName = " ValueName:" + valueName;
  problem.DetailValue = " Value:Emtpy";
  problem.DetailProblem = " Recently Key:" + valueName;
  return problem;
}

TContent MakeRunDialogProblem(const std::string& keyPath, const std::string& valueName,
                              const std::string& text) {
  TContent problem;
  problem.KeyPath = keyPath;
  problem.ItemName = "RunMRU";
  problem.ValueName = valueName;
  problem.ValueData = text;
  problem.DetailKeyPath = " Key Path:" + keyPath;
  problem.DetailValueName = " ValueName:" + valueName;
  problem.DetailValue = " Value:" + text;
  problem.DetailProblem = " Recently Key:" + text;
  return problem;
}

// A value really named "default" is passed over: its record would name the unnamed default
// value, and the repair would delete that one instead.
bool IsListed(std::string_view valueName) {
  return valueName != model::kDefaultValueName;
}

// The histories are short lists: no abort test, no message processing, no progress line.
class RecentFiles final : public SectionRoutines {
 public:
  void Scan(SectionScan& scan) const override {
    const std::string rootName = model::RootKeyName(scan.root());
    ScanFileDialogHistory(scan, rootName);
    ScanRunDialogHistory(scan, rootName);
  }

  RepairTarget TargetOf(const TContent& problem) const override {
    return RepairTarget{RepairTarget::Kind::Value, problem.KeyPath, problem.ValueName, {}};
  }

 private:
  // Every value of every subkey; the values of the history key itself are not listed.
  static void ScanFileDialogHistory(SectionScan& scan, const std::string& rootName) {
    model::RegistryObject history(scan.platform().registry);
    history.SetRootKey(scan.root());
    if (!history.OpenKey(scan.startKey(), /*create=*/false)) return;
    for (const std::string& subkey : history.KeyNames()) {
      const std::string path = std::string(scan.startKey()) + "\\" + subkey;
      model::RegistryObject fileType(scan.platform().registry);
      fileType.SetRootKey(scan.root());
      if (!fileType.OpenKey("\\" + path, /*create=*/false)) continue;
      const std::string keyPath = rootName + "\\" + path;
      for (const std::string& valueName : fileType.ValueNames()) {
        // An ignored value is passed over; the values after it are still listed.
        if (!IsListed(valueName) || scan.IsIgnored(keyPath, valueName)) continue;
        scan.AddProblem(MakeFileDialogProblem(keyPath, subkey, valueName));
      }
    }
  }

  // Every value of type string; expandable strings and other types are passed over.
  static void ScanRunDialogHistory(SectionScan& scan, const std::string& rootName) {
    model::RegistryObject history(scan.platform().registry);
    history.SetRootKey(scan.root());
    if (!history.OpenKey(kRunMruKey, /*create=*/false)) return;
    const std::string keyPath = rootName + "\\" + std::string(kRunMruKey);
    for (const std::string& valueName : history.ValueNames()) {
      if (history.GetDataType(valueName) != model::DataType::String) continue;
      if (!IsListed(valueName) || scan.IsIgnored(keyPath, valueName)) continue;
      scan.AddProblem(MakeRunDialogProblem(keyPath, valueName, history.ReadString(valueName)));
    }
  }
};

}  // namespace

const SectionRoutines& RecentFilesSection() {
  static const RecentFiles routines;
  return routines;
}

}  // namespace halvex::scan
