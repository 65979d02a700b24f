// halvex-cli activex: the known harmful ActiveX controls of "Code" with their kill flags, and
// locking or unlocking the named ones.
#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/verb.h"
#include "model/text_search.h"
#include "model/vendor_config.h"
#include "tools/activex_blocker/blocked_controls.h"
#include "tools/activex_blocker/kill_flag.h"

namespace halvex::cli {
namespace {

using tools::activex::ControlRow;

constexpr VerbOption kOptions[] = {
    {.name = "--all", .description = "lock or unlock every control of the list"}};

nlohmann::ordered_json ControlJson(platform::Locale& locale, const ControlRow& row) {
  return {{"id", row.control.classId},
          {"name", locale.ToUtf8(row.control.name)},
          {"state", tools::activex::StatusText(row)}};
}

void PrintRow(VerbCall& call, const ControlRow& row) {
  platform::Locale& locale = call.machine.platform().locale;
  std::fprintf(call.console.out, "%s  %s  %s\n", row.control.classId.c_str(),
               std::string(tools::activex::StatusText(row)).c_str(),
               locale.ToUtf8(row.control.name).c_str());
}

// The list's rows: a machine folder must bring "Code"; the live system fetches it when missing.
std::optional<VerbResult> EnsureBlockList(VerbCall& call) {
  platform::FileSystem& files = call.machine.platform().files;
  const std::string path = tools::activex::BlockListPath(files);
  if (call.line.machineFolder || call.machine.network() == nullptr) {
    if (tools::activex::ReadBlockList(files)) return std::nullopt;
    return call.Refuse("the machine has no ActiveX list: " + path + " is missing or empty");
  }
  if (tools::activex::FetchBlockList(*call.machine.network(), files, model::kUpdateServer)) {
    return std::nullopt;
  }
  return call.Fail("the ActiveX list could not be fetched into " + path);
}

VerbResult List(VerbCall& call, const std::vector<ControlRow>& rows) {
  platform::Locale& locale = call.machine.platform().locale;
  if (call.line.json) {
    nlohmann::ordered_json controls = nlohmann::ordered_json::array();
    for (const ControlRow& row : rows) controls.push_back(ControlJson(locale, row));
    const nlohmann::ordered_json document = {{"controls", controls}};
    std::fputs((document.dump(2) + "\n").c_str(), call.console.out);
    return VerbResult::Done;
  }
  if (rows.empty()) std::fputs("No controls on the list.\n", call.console.out);
  for (const ControlRow& row : rows) PrintRow(call, row);
  return VerbResult::Done;
}

// Locks or unlocks the named controls only; an identifier not on the list is reported and
// changes nothing.
VerbResult Change(VerbCall& call, std::vector<ControlRow>& rows, bool lock) {
  const std::vector<std::string>& ids = call.line.moreOperands;
  const bool all = call.line.Has("--all");
  const std::string verb = *call.line.operand;
  if (all == !ids.empty()) return call.Refuse(verb + " needs the identifiers or --all");
  platform::Platform& platform = call.machine.platform();
  std::vector<const ControlRow*> done;
  bool failed = false;
  const auto act = [&](ControlRow& row) {
    const std::string& id = row.control.classId;
    const bool changed = lock ? tools::activex::SetKillFlag(platform.registry, id)
                              : tools::activex::ClearKillFlag(platform.registry, id);
    if (!changed) {
      failed = true;
      std::fprintf(call.console.err, "halvex-cli: %s could not be %s\n", id.c_str(),
                   lock ? "locked" : "unlocked");
      return;
    }
    row.locked = lock;
    call.MachineChanged();
    done.push_back(&row);
  };
  if (all) {
    for (ControlRow& row : rows) act(row);
  } else {
    for (const std::string& id : ids) {
      const auto found = std::find_if(rows.begin(), rows.end(), [&](const ControlRow& row) {
        return model::EqualsNoCase(platform.locale, row.control.classId, id);
      });
      if (found == rows.end()) {
        failed = true;
        std::fprintf(call.console.err, "halvex-cli: %s is not on the ActiveX list\n", id.c_str());
        continue;
      }
      act(*found);
    }
  }
  if (call.line.json) {
    nlohmann::ordered_json controls = nlohmann::ordered_json::array();
    for (const ControlRow* row : done) controls.push_back(ControlJson(platform.locale, *row));
    const nlohmann::ordered_json document = {{"controls", controls}};
    std::fputs((document.dump(2) + "\n").c_str(), call.console.out);
  } else {
    for (const ControlRow* row : done) PrintRow(call, *row);
  }
  return failed ? VerbResult::Failed : VerbResult::Done;
}

VerbResult RunActiveX(VerbCall& call) {
  const std::string& action = *call.line.operand;
  const bool list = action == "list";
  if (!list && action != "lock" && action != "unlock") {
    return call.Refuse("activex does not know '" + action + "'");
  }
  if (list && (!call.line.moreOperands.empty() || call.line.Has("--all"))) {
    return call.Refuse("activex list takes no identifiers");
  }
  if (const auto refused = EnsureBlockList(call)) return *refused;
  std::vector<ControlRow> rows = tools::activex::ListBlockedControls(call.machine.platform());
  if (list) return List(call, rows);
  return Change(call, rows, action == "lock");
}

}  // namespace

extern const Verb kActiveXVerb{
    .name = "activex",
    .operand = "list|lock|unlock [ID...]",
    .operandNeeded = "list, lock or unlock",
    .usage =
        "Lists the known harmful ActiveX controls of the program folder's list \"Code\"\n"
        "with their state, \"Locked\" (Internet Explorer will not load them) or \"Free\";\n"
        "lock or unlock sets or removes the flag of the controls named by their braced\n"
        "class identifiers, or of all with --all. The live system fetches a missing list;\n"
        "a machine folder must bring its own.",
    .options = kOptions,
    .writesJson = true,
    .run = RunActiveX,
    .moreOperands = true};

}  // namespace halvex::cli
