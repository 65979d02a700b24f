#include "scan/sections/device_filters.h"

#include <string>

#include "model/key_naming.h"
#include "model/registry_object.h"

namespace halvex::scan {
namespace {

using model::registry_content::TContent;

// The spellings the records show. The registry finds the values without regard to case, and
// the backup saves each under the name it really has.
constexpr std::string_view kFilterValues[] = {"Upperfilters", "Lowerfilters"};

TContent MakeProblem(const std::string& keyPath, std::string_view valueName) {
  TContent problem;
  problem.KeyPath = keyPath;
  problem.ValueName = std::string(valueName);
  problem.DetailKeyPath = " Key Path:" + keyPath;
  problem.DetailValueName = " ValueName:" + std::string(valueName);
  problem.DetailValue = " Value: Empty";
  problem.DetailProblem = " The bad key";
  return problem;
}

class DeviceFilters final : public SectionRoutines {
 public:
  // At most two values of one key: no abort test and no progress line. The class key is
  // always read on HKEY_LOCAL_MACHINE; the driver's root only names it.
  void Scan(SectionScan& scan) const override {
    model::RegistryObject key(scan.platform().registry);
    key.SetRootKey(platform::RootKey::LocalMachine);
    if (!key.OpenKey(kCdRomClassKey, /*create=*/false)) return;
    const std::string keyPath =
        model::RootKeyName(scan.root()) + "\\" + std::string(kCdRomClassKey);
    for (const std::string_view valueName : kFilterValues) {
      // An excluded filter stays excluded: the exclusion is stored under the section's caption.
      if (!key.ValueExists(valueName) || scan.IsIgnored(keyPath, valueName)) continue;
      scan.AddProblem(MakeProblem(keyPath, valueName));
    }
  }

  RepairTarget TargetOf(const TContent& problem) const override {
    return RepairTarget{RepairTarget::Kind::Value, problem.KeyPath, problem.ValueName, {}};
  }
};

}  // namespace

const SectionRoutines& DeviceFiltersSection() {
  static const DeviceFilters routines;
  return routines;
}

}  // namespace halvex::scan
