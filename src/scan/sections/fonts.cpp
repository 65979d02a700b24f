#include "scan/sections/fonts.h"

#include <optional>
#include <string>

#include "model/key_naming.h"
#include "model/path_variables.h"
#include "model/registry_object.h"
#include "model/text_format.h"
#include "platform/text_lines.h"
#include "scan/sections/section_checks.h"

namespace halvex::scan {
namespace {

using model::registry_content::TContent;

TContent MakeProblem(const std::string& keyPath, const std::string& valueName,
                     const std::string& data) {
  TContent problem;
  problem.KeyPath = keyPath;
  problem.ItemName = "Fonts";
  problem.ValueName = valueName;
  problem.ValueData = data;
  problem.DetailKeyPath = " Key Path:" + keyPath;
  problem.DetailValueName = " ValueName:" + valueName;
  problem.DetailValue = " Value:" + data;
  problem.DetailProblem =
      model::FormatText(" The file (%s) does not exist at the specified location", data);
  return problem;
}

// "C:\..." and the like: a drive letter, a colon and a backslash.
bool BeginsAtADriveRoot(std::string_view path) {
  return path.size() >= 3 && path.substr(1, 2) == ":\\";
}

// A font installed outside the fonts folder is registered by its full path: on a drive
// ("C:\Tools\x.ttf"), on a share ("\\server\fonts\x.ttf") or in the system's own name space
// ("\??\C:\Tools\x.ttf", or "\??\unix\usr\share\fonts\x.ttf" for a folder of the host
// that Wine registers its fonts from).
bool IsFullPath(std::string_view trimmed) {
  return BeginsAtADriveRoot(trimmed) || trimmed.starts_with('\\');
}

// The path a full path names on the machine's drives: "\??\C:\x.ttf" is "C:\x.ttf".
std::string_view WithoutNameSpacePrefix(std::string_view path) {
  constexpr std::string_view kPrefix = "\\??\\";
  return path.starts_with(kPrefix) ? path.substr(kPrefix.size()) : path;
}

class Fonts final : public SectionRoutines {
 public:
  void Scan(SectionScan& scan) const override {
    platform::Platform& platform = scan.platform();
    model::RegistryObject key(platform.registry);
    key.SetRootKey(scan.root());
    if (!key.OpenKey(scan.startKey(), /*create=*/false)) return;
    const std::string keyPath =
        model::FormatText("%s\\%s", model::RootKeyName(scan.root()), std::string(scan.startKey()));

    for (const std::string& name : key.ValueNames()) {
      if (scan.Aborted()) return;
      scan.ShowProgress(key.currentPath() + name);
      // A value really named "default" would be repaired as the unnamed default value.
      const std::optional<std::string> data =
          name == model::kDefaultValueName ? std::nullopt : TextValue(key, name);
      if (data && IsMissing(scan, *data)) {
        if (scan.IsIgnored(keyPath, name)) continue;  // at once, without message processing
        scan.AddProblem(MakeProblem(keyPath, name, *data));
      }
      scan.ProcessMessages();
    }
  }

  RepairTarget TargetOf(const TContent& problem) const override {
    return RepairTarget{RepairTarget::Kind::Value, problem.KeyPath, problem.ValueName, {}};
  }

 private:
  // Whether the font file that the data names is missing: a file name is looked for in the
  // fonts folder, a full path as it stands. Files that cannot be judged from here (on a share,
  // outside the drives, on a removable or absent drive, or behind an unknown variable) are not
  // missing.
  static bool IsMissing(SectionScan& scan, const std::string& data) {
    platform::Platform& platform = scan.platform();
    const std::optional<std::string> resolved =
        model::PathToTest(platform.locale, platform.files, platform.registry, data);
    if (!resolved) return false;
    const std::string_view trimmed = platform::TrimText(*resolved);
    const std::string file = IsFullPath(trimmed)
                                 ? std::string(WithoutNameSpacePrefix(trimmed))
                                 : platform.files.WindowsFolder() + "\\Fonts\\" + *resolved;
    // Only a file on a drive can be judged: not one on a share, nor one outside the drives.
    if (!BeginsAtADriveRoot(platform::TrimText(file))) return false;
    if (IsPassedOverReference(scan, file) || IsOnAbsentDrive(platform.files, file)) return false;
    return !platform.files.FileExists(file);
  }
};

}  // namespace

const SectionRoutines& FontsSection() {
  static const Fonts routines;
  return routines;
}

}  // namespace halvex::scan
