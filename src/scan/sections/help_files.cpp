#include "scan/sections/help_files.h"

#include <optional>
#include <string>

#include "model/key_naming.h"
#include "model/path_text.h"
#include "model/path_variables.h"
#include "model/registry_object.h"
#include "model/text_format.h"
#include "scan/sections/section_checks.h"

namespace halvex::scan {
namespace {

using model::registry_content::TContent;

constexpr std::string_view kHelpKeys[] = {"SOFTWARE\\Microsoft\\Windows\\Help",
                                          "SOFTWARE\\Microsoft\\Windows\\Html Help"};

TContent MakeProblem(const std::string& keyPath, const std::string& valueName,
                     const std::string& file) {
  TContent problem;
  problem.KeyPath = keyPath;
  problem.ItemName = std::string(model::FileNamePart(file));
  problem.ValueName = valueName;
  problem.ValueData = file;
  problem.DetailKeyPath = " Key Path:" + keyPath;
  problem.DetailValueName = " ValueName:default";
  problem.DetailValue = " Value:" + file;
  problem.DetailProblem =
      model::FormatText(" The file (%s) does not exist at the specified location", file);
  return problem;
}

class HelpFiles final : public SectionRoutines {
 public:
  void Scan(SectionScan& scan) const override {
    for (const std::string_view keyPath : kHelpKeys) {
      if (scan.Aborted()) return;
      model::RegistryObject key(scan.platform().registry);
      key.SetRootKey(scan.root());
      if (!key.KeyExists(keyPath)) continue;
      scan.ShowProgress(model::RootKeyName(scan.root()) + "\\");
      CheckHelpKeyValues(scan, keyPath);
      scan.ProcessMessages();
    }
  }

  RepairTarget TargetOf(const TContent& problem) const override {
    return RepairTarget{RepairTarget::Kind::Value, problem.KeyPath, problem.ValueName, {}};
  }
};

// The help file a value names: its folder (the data) joined with its name. Empty when the value
// cannot name one: not text, or a folder behind a variable the program cannot put in.
std::string HelpFileOf(SectionScan& scan, model::RegistryObject& key, const std::string& name) {
  const std::optional<std::string> folder = TextValue(key, name);
  if (!folder) return {};
  platform::Platform& platform = scan.platform();
  const std::optional<std::string> resolved =
      model::PathToTest(platform.locale, platform.files, platform.registry, *folder);
  if (!resolved) return {};
  return model::JoinFolderAndName(*resolved, name);
}

}  // namespace

void CheckHelpKeyValues(SectionScan& scan, std::string_view keyPath) {
  platform::Platform& platform = scan.platform();
  model::RegistryObject key(platform.registry);
  key.SetRootKey(scan.root());
  if (!key.OpenKey(keyPath, /*create=*/false)) return;
  const std::string fullKeyPath = model::RootKeyName(scan.root()) + "\\" + std::string(keyPath);

  for (const std::string& name : key.ValueNames()) {
    if (scan.Aborted()) return;
    // An ignored value is passed over; the values after it are still examined. A value really
    // named "default" would be repaired as the unnamed default value.
    if (scan.IsIgnored(fullKeyPath, name) || name == model::kDefaultValueName) continue;
    const std::string file = HelpFileOf(scan, key, name);
    if (file.empty() || IsPassedOverReference(scan, file) || platform.files.FileExists(file)) {
      continue;
    }
    scan.AddProblem(MakeProblem(fullKeyPath, name, file));
  }
}

const SectionRoutines& HelpFilesSection() {
  static const HelpFiles routines;
  return routines;
}

}  // namespace halvex::scan
