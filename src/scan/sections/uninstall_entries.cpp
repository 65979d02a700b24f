#include "scan/sections/uninstall_entries.h"

#include <optional>
#include <string>

#include "model/command_path.h"
#include "model/key_naming.h"
#include "model/path_variables.h"
#include "model/registry_object.h"
#include "model/text_format.h"
#include "scan/sections/section_checks.h"

namespace halvex::scan {
namespace {

using model::registry_content::TContent;

constexpr std::string_view kUninstallString = "UninstallString";

TContent MakeProblem(const std::string& keyPath, const std::string& subkey,
                     const std::string& command) {
  TContent problem;
  problem.KeyPath = keyPath;
  problem.ItemName = subkey;
  problem.ValueName = std::string(kUninstallString);
  problem.ValueData = command;
  problem.DetailKeyPath = " Key Path:" + keyPath;
  problem.DetailValueName = " ValueName:UninstallString";
  problem.DetailValue = " Value:" + command;
  // This section's text has no blank in front.
  problem.DetailProblem =
      model::FormatText("The file (%s) does not exist at the specified location", command);
  return problem;
}

std::string WithoutQuotes(std::string_view text) {
  std::string result;
  for (const char c : text) {
    if (c != '"') result += c;
  }
  return result;
}

class UninstallEntries final : public SectionRoutines {
 public:
  void Scan(SectionScan& scan) const override {
    platform::Platform& platform = scan.platform();
    model::RegistryObject list(platform.registry);
    list.SetRootKey(scan.root());
    if (!list.OpenKey(scan.startKey(), /*create=*/false)) return;
    const std::vector<std::string> subkeys = list.KeyNames();
    list.CloseKey();
    const std::string rootName = model::RootKeyName(scan.root());
    const std::string startKey(scan.startKey());

    for (const std::string& subkey : subkeys) {
      if (scan.Aborted()) return;
      scan.ShowProgress(subkey);
      model::RegistryObject entry(platform.registry);
      entry.SetRootKey(scan.root());
      if (entry.OpenKey(startKey + "\\" + subkey, /*create=*/false)) {
        const std::string keyPath = model::FormatText("%s\\%s\\%s", rootName, startKey, subkey);
        // An ignored entry is passed over; the entries after it are still examined.
        if (!scan.IsIgnored(keyPath, kUninstallString)) {
          const std::optional<std::string> command = TextValue(entry, kUninstallString);
          if (command && !command->empty()) {
            const std::string unquoted = WithoutQuotes(*command);
            if (RunsAMissingFile(scan, unquoted)) {
              scan.AddProblem(MakeProblem(keyPath, subkey, unquoted));
            }
          }
        }
        entry.CloseKey();
      }
      scan.ProcessMessages();
    }
  }

  RepairTarget TargetOf(const TContent& problem) const override {
    return RepairTarget{RepairTarget::Kind::Value, problem.KeyPath, problem.ValueName, {}};
  }

 private:
  // A command without a colon (MsiExec.exe /X{...}) runs a program the system finds by itself.
  // It is tested with its variables put in, so that "%SystemRoot%\x.exe" names its drive.
  static bool RunsAMissingFile(SectionScan& scan, const std::string& command) {
    platform::Platform& platform = scan.platform();
    const std::optional<std::string> resolved =
        model::PathToTest(platform.locale, platform.files, platform.registry, command);
    if (!resolved || resolved->find(':') == std::string::npos) return false;
    if (IsPassedOverReference(scan, *resolved)) return false;
    return !model::CommandFileExists(platform.locale, platform.files, *resolved);
  }
};

}  // namespace

const SectionRoutines& UninstallEntriesSection() {
  static const UninstallEntries routines;
  return routines;
}

}  // namespace halvex::scan
