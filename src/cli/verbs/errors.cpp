// halvex-cli errors list | fix NAME...: the error utilities' rows with the actions they apply,
// and their repair (or its preview). The list is errorlist.txt of the machine's program folder;
// without one the four built-in rows are all there is, as in the window after a failed download.
#include <algorithm>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/verb.h"
#include "platform/text_lines.h"
#include "tools/error_utilities/error_list_file.h"
#include "tools/error_utilities/error_repair.h"

namespace halvex::cli {
namespace {

namespace errors = tools::errors;

constexpr VerbOption kOptions[] = {
    {.name = "--preview",
     .description = "fix: print each action and whether its key exists; change nothing"}};

std::string_view OperationText(const errors::ErrorAction& action) {
  switch (action.operation) {
    case errors::ErrorOperation::Write:
      return "write";
    case errors::ErrorOperation::Delete:
      return "delete";
    case errors::ErrorOperation::Nothing:
      break;
  }
  return "nothing";
}

std::string_view TypeText(const errors::ErrorAction& action) {
  switch (action.type) {
    case errors::ErrorValueType::Integer:
      return "integer";
    case errors::ErrorValueType::Text:
      return "text";
    case errors::ErrorValueType::Other:
      break;
  }
  return "other";
}

struct Printer {
  VerbCall& call;
  platform::Locale& locale;

  std::string Utf8(std::string_view text) const { return locale.ToUtf8(text); }

  nlohmann::ordered_json ActionJson(const errors::PlannedAction& planned) const {
    return {{"key", Utf8(planned.keyPath)},
            {"value", Utf8(planned.action.valueName)},
            {"operation", OperationText(planned.action)},
            {"type", TypeText(planned.action)},
            {"data", Utf8(planned.action.data)}};
  }
  std::string ActionLine(const errors::PlannedAction& planned) const {
    return "  " + Utf8(planned.keyPath) + "  " + std::string(OperationText(planned.action)) + " " +
           Utf8(planned.action.valueName) + " = " + Utf8(planned.action.data) + " (" +
           std::string(TypeText(planned.action)) + ")";
  }
  void Line(const std::string& text) const { std::fputs((text + "\n").c_str(), call.console.out); }
};

VerbResult List(VerbCall& call, const errors::ErrorList& list, const Printer& print) {
  nlohmann::ordered_json rows = nlohmann::ordered_json::array();
  for (const errors::ErrorRow& row : list.rows) {
    const std::vector<errors::PlannedAction> actions =
        row.marker == errors::kFileRowMarker ? errors::ActionsOfError(list.contents, row.caption)
                                             : std::vector<errors::PlannedAction>{};
    if (call.line.json) {
      nlohmann::ordered_json entry{{"name", print.Utf8(row.caption)},
                                   {"description", row.description},
                                   {"actions", nlohmann::ordered_json::array()}};
      for (const errors::PlannedAction& planned : actions) {
        entry["actions"].push_back(print.ActionJson(planned));
      }
      rows.push_back(std::move(entry));
      continue;
    }
    print.Line(print.Utf8(row.caption));
    print.Line("  " + row.description);
    for (const errors::PlannedAction& planned : actions) print.Line(print.ActionLine(planned));
  }
  if (call.line.json) print.Line(rows.dump(2));
  return VerbResult::Done;
}

VerbResult Fix(VerbCall& call, const errors::ErrorList& list, const Printer& print) {
  std::vector<std::string> names;
  if (call.line.moreOperands.empty()) return call.Refuse("errors fix needs the NAME of an error");
  // Every name is checked before anything is applied.
  for (const std::string& name : call.line.moreOperands) {
    const bool known = std::any_of(list.rows.begin(), list.rows.end(), [&](const auto& row) {
      return platform::TrimText(row.caption) == platform::TrimText(name);
    });
    if (!known) return call.Refuse("no error named '" + name + "' (see errors list)");
    names.push_back(name);
  }

  nlohmann::ordered_json report = nlohmann::ordered_json::array();
  bool allApplied = true;
  for (const std::string& name : names) {
    const std::vector<errors::PlannedAction> actions = errors::ActionsOfError(list.contents, name);
    if (!call.line.json) print.Line(print.Utf8(name));
    for (const errors::PlannedAction& planned : actions) {
      nlohmann::ordered_json entry = print.ActionJson(planned);
      std::string outcome;
      if (call.line.Has("--preview")) {
        const bool exists =
            errors::ActionKeyExists(call.machine.platform().registry, planned.keyPath);
        entry["keyExists"] = exists;
        outcome = exists ? "key exists" : "key missing";
      } else {
        const errors::ActionOutcome result =
            errors::ApplyErrorAction(call.machine.platform().registry, planned);
        if (result == errors::ActionOutcome::Applied) {
          call.MachineChanged();
        } else {
          allApplied = false;
        }
        outcome = std::string(errors::OutcomeText(result));
        entry["outcome"] = outcome;
      }
      entry["error"] = print.Utf8(name);
      if (call.line.json) {
        report.push_back(std::move(entry));
      } else {
        print.Line(print.ActionLine(planned) + ": " + outcome);
      }
    }
  }
  if (call.line.json) print.Line(report.dump(2));
  return allApplied ? VerbResult::Done : VerbResult::Failed;
}

VerbResult RunErrors(VerbCall& call) {
  platform::Platform& platform = call.machine.platform();
  const errors::ErrorList list = errors::LoadErrorList(platform.files, platform.locale);
  const Printer print{call, platform.locale};
  const std::string& action = *call.line.operand;
  if (action == "list") {
    if (!call.line.moreOperands.empty() || call.line.Has("--preview")) {
      return call.Refuse("errors list takes no names and no --preview");
    }
    return List(call, list, print);
  }
  if (action == "fix") return Fix(call, list, print);
  return call.Refuse("errors knows 'list' and 'fix', not '" + action + "'");
}

}  // namespace

extern const Verb kErrorsVerb{
    .name = "errors",
    .operand = "list | fix NAME...",
    .operandNeeded = "'list' or 'fix NAME...'",
    .usage =
        "Lists the known errors of errorlist.txt in the program folder with their actions,\n"
        "or fixes the named ones on keys that exist (exit 1 when an action was skipped).",
    .options = kOptions,
    .writesJson = true,
    .run = RunErrors,
    .moreOperands = true};

}  // namespace halvex::cli
