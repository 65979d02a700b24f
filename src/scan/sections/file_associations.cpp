#include "scan/sections/file_associations.h"

#include <algorithm>
#include <optional>

#include "model/drive_checks.h"
#include "model/key_naming.h"
#include "model/registry_object.h"
#include "model/text_format.h"
#include "scan/sections/classes_root_names.h"
#include "scan/sections/section_checks.h"

namespace halvex::scan {
namespace {

using model::registry_content::TContent;

TContent MakeProblem(const std::string& extension, const std::string& className) {
  const std::string keyPath = model::RootKeyName(platform::RootKey::ClassesRoot) + "\\" + extension;
  TContent problem;
  problem.KeyPath = keyPath;
  problem.ItemName = extension;
  problem.ValueName = std::string(model::kDefaultValueName);
  problem.ValueData = className;
  problem.DetailKeyPath = " Key Path:" + keyPath;
  problem.DetailValueName = " ValueName:default";
  problem.DetailValue = " Value:" + className;
  problem.DetailProblem =
      model::FormatText(" The file (%s) does not exist at the specified location", className);
  return problem;
}

// Whether the user's Explorer settings know the extension, or list the class under the
// OpenWithProgids of any extension.
bool FileExtsKnow(platform::Registry& registry, const std::vector<std::string>& fileExtsNames,
                  const std::string& extension, const std::string& className) {
  const std::string fileExts = "\\" + std::string(kFileExtsKey) + "\\";
  model::RegistryObject key(registry);
  key.SetRootKey(platform::RootKey::CurrentUser);
  if (key.KeyExists(fileExts + extension)) return true;
  for (const std::string& name : fileExtsNames) {
    if (key.OpenKey(fileExts + name + "\\OpenWithProgids", /*create=*/false) &&
        key.ValueExists(className)) {
      return true;
    }
  }
  return false;
}

class FileAssociations final : public SectionRoutines {
 public:
  void Scan(SectionScan& scan) const override {
    platform::Platform& platform = scan.platform();
    model::RegistryObject root(platform.registry);
    root.SetRootKey(scan.root());
    if (!root.OpenKey(scan.startKey(), /*create=*/false)) return;
    std::vector<std::string> classes = root.KeyNames();
    AssociationContext context;
    for (const std::string& name : classes) {
      context.upperClassesRootNames.push_back(platform.locale.Upper(name));
    }
    std::sort(context.upperClassesRootNames.begin(), context.upperClassesRootNames.end());
    std::vector<std::string> extensions;
    SplitClassesRootNames(classes, extensions);
    context.fileExtsNames = ReadFileExtsNames(platform.registry);

    for (const std::string& extension : extensions) {
      if (scan.Aborted()) return;
      scan.ShowProgress(extension);
      model::RegistryObject key(platform.registry);
      key.SetRootKey(scan.root());
      const std::string className =
          key.OpenKey(extension, /*create=*/false) ? TextValue(key, "").value_or("") : "";
      if (!className.empty() && className.find('\\') == std::string::npos &&
          model::IsOnScannableDrive(platform.locale, scan.model().ExcludedDrives, className)) {
        CheckAssociation(scan, context, extension, className);
      }
      key.CloseKey();
      scan.ProcessMessages();
    }
  }

  RepairTarget TargetOf(const TContent& problem) const override {
    return RepairTarget{RepairTarget::Kind::Value, problem.KeyPath, problem.ValueName, {}};
  }
};

}  // namespace

std::vector<std::string> ReadFileExtsNames(platform::Registry& registry) {
  model::RegistryObject key(registry);
  key.SetRootKey(platform::RootKey::CurrentUser);
  if (!key.OpenKey(kFileExtsKey, /*create=*/false)) return {};
  return key.KeyNames();
}

void CheckAssociation(SectionScan& scan, const AssociationContext& context,
                      const std::string& extension, const std::string& className) {
  platform::Platform& platform = scan.platform();
  if (std::binary_search(context.upperClassesRootNames.begin(), context.upperClassesRootNames.end(),
                         platform.locale.Upper(className))) {
    return;
  }
  if (FileExtsKnow(platform.registry, context.fileExtsNames, extension, className)) return;
  const TContent problem = MakeProblem(extension, className);
  if (scan.IsIgnored(problem.KeyPath, model::kDefaultValueName)) return;
  scan.AddProblem(problem);
}

const SectionRoutines& FileAssociationsSection() {
  static const FileAssociations routines;
  return routines;
}

}  // namespace halvex::scan
