#include "scan/sections/sounds.h"

#include <string>

#include "model/key_naming.h"
#include "model/registry_object.h"
#include "model/text_format.h"
#include "scan/sections/section_checks.h"

namespace halvex::scan {
namespace {

using model::registry_content::TContent;

TContent MakeProblem(const std::string& keyPath, const std::string& text) {
  TContent problem;
  problem.KeyPath = keyPath;
  problem.ItemName = "Sounds";
  problem.ValueName = std::string(model::kDefaultValueName);
  problem.ValueData = text;
  problem.DetailKeyPath = " Key Path:" + keyPath;
  problem.DetailValueName = " ValueName:default";
  problem.DetailValue = " Value:" + text;
  problem.DetailProblem =
      model::FormatText(" The file (%s) does not exist at the specified location", text);
  return problem;
}

class Sounds final : public SectionRoutines {
 public:
  // One value of one key: no abort test and no progress line.
  void Scan(SectionScan& scan) const override {
    model::RegistryObject key(scan.platform().registry);
    key.SetRootKey(scan.root());
    if (!key.OpenKey(scan.startKey(), /*create=*/false)) return;
    // Only a text default value counts; named values, and values of other types beside it, are
    // none of the section's business (reading them as text would fail).
    const std::optional<std::string> text = TextValue(key, "");
    if (!text || text->empty()) return;
    const std::string keyPath =
        model::FormatText("%s\\%s", model::RootKeyName(scan.root()), std::string(scan.startKey()));
    // An excluded sound stays excluded: the exclusion is stored under the section's caption.
    if (scan.IsIgnored(keyPath, model::kDefaultValueName)) return;
    scan.AddProblem(MakeProblem(keyPath, *text));
  }

  RepairTarget TargetOf(const TContent& problem) const override {
    return RepairTarget{RepairTarget::Kind::Value, problem.KeyPath, problem.ValueName, {}};
  }
};

}  // namespace

const SectionRoutines& SoundsSection() {
  static const Sounds routines;
  return routines;
}

}  // namespace halvex::scan
