#include "scan/sections/app_paths.h"

#include "model/key_naming.h"
#include "model/key_walker.h"
#include "model/path_text.h"
#include "model/path_variables.h"
#include "model/registry_object.h"
#include "model/text_format.h"
#include "scan/sections/section_checks.h"

namespace halvex::scan {
namespace {

using model::registry_content::TContent;

TContent MakeProblem(const std::string& keyPath, std::string_view subkeyName,
                     const std::string& program) {
  TContent problem;
  problem.KeyPath = keyPath;
  problem.ItemName = std::string(subkeyName);
  problem.ValueName = "Path";
  problem.ValueData = program;
  problem.DetailKeyPath = " Key Path:" + keyPath;
  problem.DetailValueName = " ValueName:Path";
  problem.DetailValue = " Value:" + program;
  problem.DetailProblem =
      model::FormatText(" The file (%s) does not exist at the specified location", program);
  return problem;
}

class AppPaths final : public SectionRoutines {
 public:
  // One level: the programs' subkeys, never what lies below them.
  void Scan(SectionScan& scan) const override {
    const std::string rootName = model::RootKeyName(scan.root());
    const std::size_t nameStart = scan.startKey().size() + 1;
    (void)model::WalkSubkeys(scan.platform().registry, scan.root(), scan.startKey(),
                             [&](const std::string& subkeyPath) {
                               if (scan.Aborted()) return model::WalkStep::Stop;
                               scan.ShowProgress(rootName + "\\" + subkeyPath);
                               CheckAppPathKey(scan, subkeyPath.substr(nameStart), subkeyPath);
                               scan.ProcessMessages();
                               return model::WalkStep::Continue;
                             });
  }

  // The whole subkey goes, named by its full path (only the leading root name is taken off).
  RepairTarget TargetOf(const TContent& problem) const override {
    return RepairTarget{RepairTarget::Kind::KeyTree, problem.KeyPath, {}, {}};
  }
};

}  // namespace

void CheckAppPathKey(SectionScan& scan, std::string_view subkeyName, std::string_view subkeyPath) {
  platform::Platform& platform = scan.platform();
  model::RegistryObject key(platform.registry);
  key.SetRootKey(scan.root());
  if (!key.OpenKey(subkeyPath, /*create=*/false)) return;
  // Only a plain string: an expandable one is left to the system.
  if (key.GetDataType("") != model::DataType::String) return;
  const std::string programText = key.ReadString("");
  if (IsPassedOverReference(scan, programText) || !model::HasNameAndExtension(programText)) return;
  // A "Path" that is no text names no folder.
  const std::string pathValue = TextValue(key, "Path").value_or("");

  const std::optional<std::string> program = CheckAppPathFolder(scan, pathValue, programText);
  if (!program || program->size() == 1 || platform.files.FileExists(*program)) return;
  const std::string keyPath = model::RootKeyName(scan.root()) + "\\" + std::string(subkeyPath);
  if (scan.IsIgnored(keyPath, "Path")) return;
  scan.AddProblem(MakeProblem(keyPath, subkeyName, *program));
}

std::optional<std::string> CheckAppPathFolder(SectionScan& scan, std::string_view pathValue,
                                              std::string_view programText) {
  platform::Platform& platform = scan.platform();
  auto resolve = [&](std::string_view text) {
    return model::PathToTest(platform.locale, platform.files, platform.registry, text);
  };
  if (programText.find('\\') == std::string_view::npos) {
    const std::optional<std::string> folder = resolve(pathValue);
    const std::optional<std::string> name = resolve(programText);
    if (!folder || !name) return std::nullopt;
    // An empty "Path" gives "\app.exe", which is looked for at the root of the current drive.
    return *folder + (folder->ends_with('\\') ? "" : "\\") + *name;
  }
  return resolve(programText);
}

const SectionRoutines& AppPathsSection() {
  static const AppPaths routines;
  return routines;
}

}  // namespace halvex::scan
