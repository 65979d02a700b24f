// halvex-cli programs: the installed programs of the Uninstall key, the removal of an entry and
// the start of a program's uninstall command, through the add/remove programs manager's logic.
#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/verb.h"
#include "tools/installed_programs/installed_programs.h"

namespace halvex::cli {
namespace {

constexpr VerbOption kYesOption{
    .name = "--yes",
    .description = "confirm programs remove, which keeps no backup and cannot be undone"};
constexpr VerbOption kOptions[] = {kYesOption};

nlohmann::ordered_json TextOrNull(platform::Locale& locale,
                                  const std::optional<std::string>& text) {
  return text ? nlohmann::ordered_json(locale.ToUtf8(*text)) : nlohmann::ordered_json(nullptr);
}

VerbResult List(VerbCall& call) {
  platform::Platform& platform = call.machine.platform();
  platform::Locale& locale = platform.locale;
  const auto programs = tools::ListInstalledPrograms(platform.registry);
  if (call.line.json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const tools::InstalledProgram& program : programs) {
      list.push_back({{"key", locale.ToUtf8(program.subkey)},
                      {"DisplayName", locale.ToUtf8(program.displayName)},
                      {"UninstallString", locale.ToUtf8(program.uninstallString)},
                      {"DisplayVersion", TextOrNull(locale, program.displayVersion)},
                      {"DisplayIcon", TextOrNull(locale, program.displayIcon)}});
    }
    const nlohmann::ordered_json document = {{"programs", list}};
    std::fputs((document.dump(2) + "\n").c_str(), call.console.out);
    return VerbResult::Done;
  }
  if (programs.empty()) std::fputs("No installed programs.\n", call.console.out);
  for (const tools::InstalledProgram& program : programs) {
    std::fprintf(call.console.out, "%s\n  Key: %s\n", locale.ToUtf8(program.displayName).c_str(),
                 locale.ToUtf8(program.subkey).c_str());
    for (const tools::ProgramDetail& detail :
         tools::ShowProgramDetails(platform.registry, program.keyPath)) {
      if (detail.label == "Name") continue;
      std::fprintf(call.console.out, "  %s: %s\n", detail.label.c_str(),
                   locale.ToUtf8(detail.value).c_str());
    }
  }
  return VerbResult::Done;
}

// The listed program whose Uninstall subkey is `key` (compared as the registry compares names).
const tools::InstalledProgram* FindProgram(platform::Locale& locale,
                                           const std::vector<tools::InstalledProgram>& programs,
                                           const std::string& key) {
  for (const tools::InstalledProgram& program : programs) {
    if (locale.Upper(program.subkey) == locale.Upper(key)) return &program;
  }
  return nullptr;
}

VerbResult Remove(VerbCall& call, const std::string& key) {
  if (!call.line.Has(kYesOption.name)) {
    return call.Refuse("programs remove deletes the entry without a backup; confirm with --yes");
  }
  platform::Platform& platform = call.machine.platform();
  const auto programs = tools::ListInstalledPrograms(platform.registry);
  const tools::InstalledProgram* program = FindProgram(platform.locale, programs, key);
  if (program == nullptr) return call.Fail("no listed program has the key " + key);
  if (!tools::RemoveProgramEntry(platform.registry, program->keyPath)) {
    return call.Fail("the entry " + key + " could not be deleted");
  }
  call.MachineChanged();
  std::fprintf(call.console.out, "Removed %s\n", platform.locale.ToUtf8(program->subkey).c_str());
  return VerbResult::Done;
}

VerbResult Uninstall(VerbCall& call, const std::string& key) {
  platform::ProcessStarter* starter = call.machine.programStarter();
  if (starter == nullptr) {
    return call.Refuse("programs uninstall runs the program's uninstaller: live system only");
  }
  platform::Platform& platform = call.machine.platform();
  const auto programs = tools::ListInstalledPrograms(platform.registry);
  const tools::InstalledProgram* program = FindProgram(platform.locale, programs, key);
  if (program == nullptr) return call.Fail("no listed program has the key " + key);
  if (!starter->Start(tools::UninstallStart(platform.files, program->uninstallString))) {
    return call.Fail("the uninstall command could not be started: " + program->uninstallString);
  }
  std::fprintf(call.console.out, "Started %s\n",
               platform.locale.ToUtf8(program->uninstallString).c_str());
  return VerbResult::Done;
}

VerbResult RunPrograms(VerbCall& call) {
  const std::string& action = *call.line.operand;
  const std::vector<std::string>& keys = call.line.moreOperands;
  if (action == "list" && keys.empty()) return List(call);
  if ((action == "remove" || action == "uninstall") && keys.size() == 1) {
    return action == "remove" ? Remove(call, keys[0]) : Uninstall(call, keys[0]);
  }
  return call.Refuse("programs takes list, remove KEY or uninstall KEY");
}

}  // namespace

extern const Verb kProgramsVerb{
    .name = "programs",
    .operand = "(list | remove KEY | uninstall KEY)",
    .operandNeeded = "list, remove KEY or uninstall KEY",
    .usage =
        "Lists the installed programs of the Uninstall key (KEY is an entry's subkey name),\n"
        "deletes an entry with everything below it (no backup: --yes confirms), or starts\n"
        "an entry's uninstall command without waiting for it (live system only).",
    .options = kOptions,
    .writesJson = true,
    .run = RunPrograms,
    .moreOperands = true};

}  // namespace halvex::cli
