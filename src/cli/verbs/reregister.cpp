// halvex-cli reregister: every ActiveX control and library of the system folder registered
// again, one at a time, each with the registration program's outcome.
#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/verb.h"
#include "tools/activex_reregister/control_registration.h"

namespace halvex::cli {
namespace {

using tools::reregister::RegistrationRow;
using tools::reregister::RegistrationStatus;

constexpr VerbOption kOptions[] = {{.name = "--folder",
                                    .valueName = "DIR",
                                    .valueNeeded = "a folder",
                                    .description = "register the controls of DIR instead of the\n"
                                                   "system folder"}};

VerbResult RunReregister(VerbCall& call) {
  if (call.line.machineFolder) {
    return call.Refuse("reregister runs the system's registration program: live system only");
  }
  platform::Platform& platform = call.machine.platform();
  const std::vector<std::string> folders = call.line.Values("--folder");
  const std::string folder = folders.empty() ? platform.files.SystemFolder() : folders.back();
  std::vector<RegistrationRow> rows;
  tools::reregister::RegistrationHooks hooks;
  hooks.onRow = [&](const RegistrationRow& row) {
    rows.push_back(row);
    if (!call.line.json) {
      std::fprintf(call.console.out, "%s  %s\n",
                   std::string(tools::reregister::StatusText(row.status)).c_str(),
                   platform.locale.ToUtf8(row.path).c_str());
    }
  };
  const tools::reregister::RegistrationServices services{platform.files, platform.locale,
                                                         call.machine.processes()};
  if (!tools::reregister::RegisterFolderControls(services, folder, hooks)) {
    return call.Fail(platform.locale.ToUtf8(folder) + " cannot be listed");
  }
  if (call.line.json) {
    nlohmann::ordered_json files = nlohmann::ordered_json::array();
    for (const RegistrationRow& row : rows) {
      files.push_back({{"path", platform.locale.ToUtf8(row.path)},
                       {"status", tools::reregister::StatusText(row.status)},
                       {"exitCode", row.exitCode}});
    }
    const nlohmann::ordered_json document = {{"files", files}};
    std::fputs((document.dump(2) + "\n").c_str(), call.console.out);
  }
  const bool allRegistered = std::all_of(rows.begin(), rows.end(), [](const RegistrationRow& row) {
    return row.status == RegistrationStatus::Registered;
  });
  return allRegistered ? VerbResult::Done : VerbResult::Failed;
}

}  // namespace

extern const Verb kReregisterVerb{
    .name = "reregister",
    .usage =
        "Registers again every file of the system folder whose path holds \".ocx\" or \".dll\",\n"
        "one after the other with the system's silent registration program, and shows each\n"
        "with the outcome. The live system only.",
    .options = kOptions,
    .writesJson = true,
    .run = RunReregister};

}  // namespace halvex::cli
