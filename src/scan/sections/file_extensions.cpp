#include "scan/sections/file_extensions.h"

#include <optional>
#include <string>
#include <vector>

#include "model/key_naming.h"
#include "model/registry_object.h"
#include "model/text_format.h"
#include "scan/sections/classes_root_names.h"
#include "scan/sections/section_checks.h"

namespace halvex::scan {
namespace {

using model::registry_content::TContent;

// The record's data is the key path the driver passes, which is empty for this section; the
// texts keep their form, blanks included.
TContent MakeProblem(const std::string& extension, const std::string& driverKeyPath) {
  const std::string keyPath = model::RootKeyName(platform::RootKey::ClassesRoot) + "\\" + extension;
  TContent problem;
  problem.KeyPath = keyPath;
  problem.ItemName = extension;
  problem.ValueName = std::string(model::kDefaultValueName);
  problem.ValueData = driverKeyPath;
  problem.DetailKeyPath = " Key Path:" + keyPath;
  problem.DetailValueName = " ValueName:default";
  problem.DetailValue = " Value:" + driverKeyPath;
  problem.DetailProblem =
      model::FormatText(" The file(%s)does not exist at the specified location", driverKeyPath);
  return problem;
}

class FileExtensions final : public SectionRoutines {
 public:
  // Short and without the user's files: it neither tests the abort flag nor shows progress.
  void Scan(SectionScan& scan) const override {
    platform::Platform& platform = scan.platform();
    model::RegistryObject root(platform.registry);
    root.SetRootKey(platform::RootKey::ClassesRoot);
    if (!root.OpenKey("", /*create=*/false)) return;
    std::vector<std::string> classes = root.KeyNames();
    std::vector<std::string> extensions;
    SplitClassesRootNames(classes, extensions);

    const std::string driverKeyPath(scan.startKey());
    for (const std::string& extension : extensions) {
      model::RegistryObject key(platform.registry);
      key.SetRootKey(platform::RootKey::ClassesRoot);
      if (!key.OpenKey(extension, /*create=*/false)) continue;
      const std::optional<std::string> classText = TextValue(key, "");
      if (!classText || !classText->empty()) continue;
      TContent problem = MakeProblem(extension, driverKeyPath);
      if (scan.IsIgnored(problem.KeyPath, model::kDefaultValueName)) continue;
      scan.AddProblem(std::move(problem));
    }
  }

  // The whole extension key goes, named by its full path (only the leading root name is taken
  // off, so an extension whose name holds a root name is not mistaken for another key).
  RepairTarget TargetOf(const TContent& problem) const override {
    return RepairTarget{RepairTarget::Kind::KeyTree, problem.KeyPath, {}, {}};
  }
};

}  // namespace

const SectionRoutines& FileExtensionsSection() {
  static const FileExtensions routines;
  return routines;
}

}  // namespace halvex::scan
