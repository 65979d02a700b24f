// halvex-cli restorepoints: the system restore points, and creating, deleting or restoring one.
#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/verb.h"
#include "tools/restore_points/restore_point_rows.h"

namespace halvex::cli {
namespace {

using tools::restore_points::RestorePointRow;

constexpr VerbOption kOptions[] = {
    {.name = "--restart",
     .description = "after a successful restore, restart Windows (programs that answer may\n"
                    "still save their work); without it nothing restarts"}};

void PrintJson(VerbCall& call, const nlohmann::ordered_json& document) {
  std::fputs((document.dump(2) + "\n").c_str(), call.console.out);
}

VerbResult List(VerbCall& call, platform::RestorePointService& service) {
  platform::Platform& platform = call.machine.platform();
  const auto list =
      tools::restore_points::ListRestorePoints(service, platform.clock, platform.locale);
  if (!list.error.empty()) return call.Fail("the restore service failed: " + list.error);
  if (call.line.json) {
    nlohmann::ordered_json points = nlohmann::ordered_json::array();
    for (const RestorePointRow& row : list.rows) {
      points.push_back(
          {{"sequence", tools::restore_points::SequenceOf(row.sequenceNumber).value_or(0)},
           {"time", platform.locale.ToUtf8(row.time)},
           {"type", row.type},
           {"description", platform.locale.ToUtf8(row.description)}});
    }
    PrintJson(call, {{"points", points}});
    return VerbResult::Done;
  }
  if (list.rows.empty()) std::fputs("No restore points.\n", call.console.out);
  for (const RestorePointRow& row : list.rows) {
    std::fprintf(call.console.out, "%s  %s  %s\n", row.sequenceNumber.c_str(),
                 platform.locale.ToUtf8(row.time).c_str(),
                 platform.locale.ToUtf8(row.description).c_str());
  }
  return VerbResult::Done;
}

// Prints the outcome of one operation; `done` is the text line for success.
VerbResult Outcome(VerbCall& call, const char* operation,
                   const platform::RestorePointAnswer& answer, const std::string& done) {
  if (answer.raised()) return call.Fail("the restore service failed: " + answer.error);
  if (call.line.json) {
    PrintJson(call, {{"operation", operation}, {"result", answer.result}});
  } else if (answer.succeeded()) {
    std::fprintf(call.console.out, "%s\n", done.c_str());
  }
  if (!answer.succeeded()) {
    return call.Fail(std::string(operation) + " answered " + std::to_string(answer.result));
  }
  return VerbResult::Done;
}

VerbResult RunRestorePoints(VerbCall& call) {
  platform::RestorePointService* service = call.machine.restorePoints();
  if (service == nullptr) return call.Fail("this system has no restore point service");
  const std::string& action = *call.line.operand;
  const std::vector<std::string>& words = call.line.moreOperands;
  const bool restart = call.line.Has("--restart");
  if (restart && action != "restore") return call.Refuse("--restart goes with restore only");

  if (action == "list") {
    if (!words.empty()) return call.Refuse("restorepoints list takes nothing more");
    return List(call, *service);
  }
  if (action == "create") {
    if (words.size() != 1) return call.Refuse("restorepoints create needs one DESCRIPTION");
    const auto answer =
        service->Create(words[0], platform::kApplicationInstall, platform::kBeginSystemChange);
    if (answer.succeeded()) call.MachineChanged();
    return Outcome(call, "create", answer, "Created the restore point \"" + words[0] + "\"");
  }
  if (action != "delete" && action != "restore") {
    return call.Refuse("restorepoints does not know '" + action + "'");
  }
  if (words.size() != 1) return call.Refuse("restorepoints " + action + " needs one SEQUENCE");
  const auto sequence = tools::restore_points::SequenceOf(words[0]);
  if (!sequence) return call.Refuse("'" + words[0] + "' is no sequence number");
  if (action == "delete") {
    const auto answer = service->Delete(*sequence);
    if (answer.succeeded()) call.MachineChanged();
    return Outcome(call, "delete", answer, "Deleted the restore point " + words[0]);
  }
  const auto answer = service->Restore(*sequence);
  const VerbResult result = Outcome(call, "restore", answer,
                                    "Windows returns to the restore point " + words[0] +
                                        (restart ? "; restarting now" : " at the next restart"));
  if (result == VerbResult::Done && restart) service->Restart(platform::kRestartFlags);
  return result;
}

}  // namespace

extern const Verb kRestorePointsVerb{
    .name = "restorepoints",
    .operand = "list|create DESC|delete SEQ|restore SEQ",
    .operandNeeded = "list, create, delete or restore",
    .usage =
        "Lists the system restore points (sequence number, local time, description), or\n"
        "creates one named DESC, deletes or restores the one numbered SEQ. With --machine,\n"
        "the points of DIR's drive C: \\System Volume Information\\restore_points.ini.",
    .options = kOptions,
    .writesJson = true,
    .run = RunRestorePoints,
    .moreOperands = true};

}  // namespace halvex::cli
