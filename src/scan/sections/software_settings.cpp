#include "scan/sections/software_settings.h"

#include <string>

#include "model/command_path.h"
#include "model/drive_checks.h"
#include "model/key_naming.h"
#include "model/path_text.h"
#include "model/path_variables.h"
#include "model/skip_tests.h"
#include "model/text_format.h"
#include "model/text_search.h"
#include "platform/text_lines.h"
#include "scan/key_walk.h"

namespace halvex::scan {
namespace {

using model::registry_content::TContent;

constexpr std::string_view kSystemUnwalked[] = {"SYSTEM", "Winlogon", "SOFTWARE\\Microsoft\\Rpc",
                                                "SOFTWARE\\Microsoft\\Cryptography",
                                                "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"};
constexpr std::string_view kUserUnwalked[] = {"Winlogon"};

// The two sections, side by side: everything not named here they do alike.
const SoftwareSettingsRules kSystemRules{
    .unwalkedPathTexts = kSystemUnwalked,
    .passesOverAppPaths = true,
    .ignoreTestAfterExpansion = false,
    .explorerEndsKey = true,
    .passesOverDriveH = true,
    .commandPathNeedsDrive = true,
    .commandDefaultValueName = model::kDefaultValueName,
    .directProblemText = " The file (%s) does not exist at the specified location",
    .commandProblemText = " The file(%s)does not exist at the specified location",
};
const SoftwareSettingsRules kUserRules{
    .unwalkedPathTexts = kUserUnwalked,
    .passesOverAppPaths = false,
    .ignoreTestAfterExpansion = true,
    .explorerEndsKey = false,
    .passesOverDriveH = false,
    .commandPathNeedsDrive = false,
    .commandDefaultValueName = "",
    .directProblemText = "The file (%s) does not exist at the specified location",
    .commandProblemText = " The file (%s) does not exist at the specified location",
};

enum class ValueOutcome { Next, EndsKey };

// ScanSystemSoftware and CheckSystemSoftwareValues (or their user counterparts): the walk's
// rules and the examination of one key's values.
class SoftwareSettingsWalk final : public KeyWalkRules {
 public:
  SoftwareSettingsWalk(SectionScan& scan, const SoftwareSettingsRules& rules)
      : scan_(scan),
        platform_(scan.platform()),
        rules_(rules),
        upperUnwalked_(UpperAll(platform_.locale, rules.unwalkedPathTexts)) {}

  bool PassesOver(std::string_view name) const override {
    return rules_.passesOverAppPaths && name == "App Paths";  // exact case
  }

  bool WalksBelow(std::string_view path) const override {
    const std::string upper = platform_.locale.Upper(path);
    for (const std::string& text : upperUnwalked_) {
      if (model::Contains(upper, text)) return false;
    }
    return true;
  }

  void Examine(SectionScan&, const WalkedKey& key) override {
    if (key.info.valueCount == 0) return;
    const std::string keyPath = model::RootKeyName(scan_.root()) + "\\" + std::string(key.path);
    std::string name;
    for (std::uint32_t index = 0; index < key.info.valueCount; ++index) {
      if (scan_.Aborted()) return;
      if (platform_.registry.EnumValue(key.handle, index, name) != platform::RegStatus::Ok) {
        continue;
      }
      if (CheckValue(key, keyPath, name) == ValueOutcome::EndsKey) return;
      // A key may hold thousands of values: the user interface gets its turns meanwhile too.
      scan_.ProcessMessages();
    }
  }

 private:
  static std::vector<std::string> UpperAll(platform::Locale& locale,
                                           std::span<const std::string_view> texts) {
    std::vector<std::string> upper;
    for (std::string_view text : texts) upper.push_back(locale.Upper(text));
    return upper;
  }

  // An excluded default value matches by the empty name or by "default": a direct problem stores
  // the one, a command-line problem of System Software Settings the other.
  bool IsIgnored(const std::string& keyPath, const std::string& name) {
    return scan_.IsIgnored(keyPath, name) ||
           (name.empty() && scan_.IsIgnored(keyPath, model::kDefaultValueName));
  }

  // The network, floppy and drive tests: texts whose files are not tested.
  bool OnUntestedDrive(std::string_view text) {
    return model::IsNetworkReference(text) || model::IsFloppyReference(platform_.locale, text) ||
           !model::IsOnScannableDrive(platform_.locale, scan_.model().ExcludedDrives, text);
  }

  bool OnPassedOverDriveH(std::string_view text) const {
    return rules_.passesOverDriveH && model::Contains(text, "H:\\");
  }

  ValueOutcome CheckValue(const WalkedKey& key, const std::string& keyPath,
                          const std::string& name) {
    // A value really named "default" is passed over: its problem would be stored under the name
    // that stands for the unnamed value, and the repair would delete that one instead.
    if (name == model::kDefaultValueName) return ValueOutcome::Next;
    // An excluded value is passed over alone; the key's other values are still examined.
    if (!rules_.ignoreTestAfterExpansion && IsIgnored(keyPath, name)) return ValueOutcome::Next;
    const std::optional<std::string> data = ReadText(platform_.registry, key.handle, name);
    if (!data) return ValueOutcome::Next;
    // A key that names a driver (or the shell) may be meant to be left alone: its later values
    // are not examined either.
    if (model::IsDriverReference(platform_.locale, *data) ||
        (rules_.explorerEndsKey &&
         model::ContainsNoCase(platform_.locale, *data, "Explorer.exe"))) {
      return ValueOutcome::EndsKey;
    }
    const std::string text =
        model::ExpandPathVariables(platform_.locale, platform_.files, platform_.registry, *data);
    if (rules_.ignoreTestAfterExpansion && IsIgnored(keyPath, name)) return ValueOutcome::Next;
    // Both tests below need a drive letter and its colon; most values have none, and they are
    // spared the file system.
    if (text.find(':') == std::string::npos) return ValueOutcome::Next;

    if (IsDirectReference(text)) {
      if (!platform_.files.FileExists(platform::TrimText(text)) &&
          !platform_.files.FolderExists(platform::TrimText(text))) {
        Report(key, DirectProblem(keyPath, name, text));
      }
      return ValueOutcome::Next;
    }
    if (OnUntestedDrive(text) || OnPassedOverDriveH(text) || platform_.files.FolderExists(text)) {
      return ValueOutcome::Next;
    }
    const std::string program = model::ExtractCommandPath(platform_.locale, platform_.files, text,
                                                          model::CommandPathVariant::B);
    if (rules_.commandPathNeedsDrive && !model::Contains(program, ":\\")) return ValueOutcome::Next;
    if (!model::IsPlausibleFilePath(program)) return ValueOutcome::Next;
    AddSoftwareProblem(key, keyPath, name, program);
    return ValueOutcome::Next;
  }

  // The value is itself a folder or file path: a drive, a colon and a backslash at its start and
  // a plain name (no dot, so a file with an extension goes to the command-line test).
  bool IsDirectReference(const std::string& text) {
    const std::string_view trimmed = platform::TrimText(text);
    return trimmed.size() >= 3 && trimmed.substr(1, 2) == ":\\" && !OnUntestedDrive(text) &&
           !OnPassedOverDriveH(text) && model::IsValidNameText(text);
  }

  // AddSystemSoftwareProblem (AddUserSoftwareProblem): the program of a command line is gone.
  void AddSoftwareProblem(const WalkedKey& key, const std::string& keyPath, const std::string& name,
                          const std::string& program) {
    if (platform_.files.FileExists(program)) return;
    // A missing "msoe.dll" is expected and not reported.
    if (model::ContainsNoCase(platform_.locale, program, "msoe.dll")) return;
    const std::string valueName = name.empty() ? std::string(rules_.commandDefaultValueName) : name;
    Report(key, CommandProblem(keyPath, valueName, program));
  }

  TContent DirectProblem(const std::string& keyPath, const std::string& name,
                         const std::string& text) const {
    TContent problem;
    problem.KeyPath = keyPath;
    problem.ItemName = text;
    problem.ValueName = name;
    problem.ValueData = text;
    problem.DetailKeyPath = " Key Path:" + keyPath;
    problem.DetailValueName = " ValueName:" + name;
    problem.DetailValue = " Value:" + text;
    problem.DetailProblem = model::FormatText(rules_.directProblemText, text);
    return problem;
  }

  TContent CommandProblem(const std::string& keyPath, const std::string& valueName,
                          const std::string& program) const {
    TContent problem;
    problem.KeyPath = keyPath;
    problem.ValueName = valueName;
    problem.ValueData = program;
    problem.DetailKeyPath = " Key Path:" + keyPath;
    problem.DetailValueName = " ValueName:" + valueName;
    problem.DetailValue = " Value:" + program;
    problem.DetailProblem = model::FormatText(rules_.commandProblemText, program);
    return problem;
  }

  // Only what the program could repair is reported: the key must open for writing.
  void Report(const WalkedKey& key, TContent problem) {
    if (!OpensForWriting(platform_.registry, scan_.root(), key.path)) return;
    scan_.AddProblem(std::move(problem));
  }

  SectionScan& scan_;
  platform::Platform& platform_;
  const SoftwareSettingsRules& rules_;
  const std::vector<std::string> upperUnwalked_;
};

class SoftwareSettings final : public SectionRoutines {
 public:
  explicit SoftwareSettings(const SoftwareSettingsRules& rules) : rules_(rules) {}

  // The values of the root itself are never examined: the walk examines the keys below it.
  void Scan(SectionScan& scan) const override {
    SoftwareSettingsWalk walk(scan, rules_);
    WalkKeys(scan, scan.startKey(), walk);
  }

  // The default value is stored as "" by some problems and as "default" by others; both name it.
  RepairTarget TargetOf(const TContent& problem) const override {
    return RepairTarget{
        RepairTarget::Kind::Value,
        problem.KeyPath,
        problem.ValueName.empty() ? std::string(model::kDefaultValueName) : problem.ValueName,
        {}};
  }

 private:
  const SoftwareSettingsRules& rules_;
};

}  // namespace

const SoftwareSettingsRules& UserSoftwareRules() {
  return kUserRules;
}

const SoftwareSettingsRules& SystemSoftwareRules() {
  return kSystemRules;
}

const SectionRoutines& UserSoftwareSection() {
  static const SoftwareSettings routines(kUserRules);
  return routines;
}

const SectionRoutines& SystemSoftwareSection() {
  static const SoftwareSettings routines(kSystemRules);
  return routines;
}

}  // namespace halvex::scan
