// halvex-cli optimize: the system speed optimizer's models from a console. "preview" lists what
// a model would change, "apply" runs it as Fast Optimize does and names the speed backup file,
// "backups" lists the speed backup files and "restore FILE" resets from one of them.
#include <cstdio>
#include <nlohmann/json.hpp>

#include "cli/verb.h"
#include "tools/system_speed/optimization_preview.h"
#include "tools/system_speed/profile_files.h"
#include "tools/system_speed/speed_backups.h"

namespace halvex::cli {
namespace {

using namespace tools::system_speed;

constexpr std::string_view kActions = "preview, apply, backups or restore";

std::optional<std::string> RefuseModel(const std::string& value) {
  if (value.size() == 1 && value[0] >= '0' && value[0] <= '5') return std::nullopt;
  return "--model takes a number from 0 to 5";
}

const VerbOption kOptimizeOptions[] = {
    {.name = "--model",
     .valueName = "N",
     .valueNeeded = "a model number",
     .description = "the optimization model: 0 Windows XP Default, 1 Office, 2 Notebook,\n"
                    "3 Home, 4 Internet Cafe, 5 Campus",
     .refuse = RefuseModel},
};

std::optional<std::string> RefuseCall(const CommandLine& line) {
  const std::string& action = *line.operand;
  const bool takesModel = action == "preview" || action == "apply";
  if (!takesModel && action != "backups" && action != "restore") {
    return "optimize does not know '" + action + "': it takes " + std::string(kActions);
  }
  if (takesModel && !line.Has("--model")) return "optimize " + action + " needs --model N";
  if (!takesModel && line.Has("--model")) return "optimize " + action + " takes no --model";
  const std::size_t operands = action == "restore" ? 1 : 0;
  if (line.moreOperands.size() < operands) return "optimize restore needs the speed backup file";
  if (line.moreOperands.size() > operands) {
    return "optimize " + action + " does not know '" + line.moreOperands[operands] + "'";
  }
  return std::nullopt;
}

// Both machines of halvex-cli bring a service manager; a machine without one cannot be optimized.
std::optional<SpeedServices> ServicesOf(Machine& machine) {
  platform::ServiceManager* services = machine.services();
  if (services == nullptr) return std::nullopt;
  platform::Platform& platform = machine.platform();
  return SpeedServices{platform.registry, platform.files, platform.clock, *services,
                       ProfileFilesOf(platform)};
}

int ModelOf(const CommandLine& line) {
  return line.Values("--model").back()[0] - '0';
}

void PrintFailures(VerbCall& call, const StepFailures& failures) {
  for (const std::string& line : failures.lines) {
    std::fprintf(call.console.err, "failed: %s\n",
                 call.machine.platform().locale.ToUtf8(line).c_str());
  }
}

VerbResult Preview(VerbCall& call) {
  platform::Locale& locale = call.machine.platform().locale;
  const std::vector<PlannedChange> changes =
      PreviewOptimization(call.machine.platform().registry, ModelOf(call.line));
  if (call.line.json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const PlannedChange& change : changes) {
      list.push_back({
          {"kind", change.kind == PlannedChange::Kind::Value ? "value" : "service"},
          {"key", locale.ToUtf8(change.key)},
          {"name", locale.ToUtf8(change.name)},
          {"current",
           change.current ? nlohmann::ordered_json(locale.ToUtf8(*change.current)) : nullptr},
          {"new", locale.ToUtf8(change.next)},
      });
    }
    std::fprintf(call.console.out, "%s\n",
                 nlohmann::ordered_json{{"changes", list}}.dump(2).c_str());
    return VerbResult::Done;
  }
  if (changes.empty()) std::fputs("Nothing to change.\n", call.console.out);
  for (const PlannedChange& change : changes) {
    const std::string name = change.name.empty() ? "(default)" : "\"" + change.name + "\"";
    const std::string current = change.current ? "\"" + *change.current + "\"" : "(none)";
    std::fprintf(call.console.out, "%-7s %s %s: %s -> \"%s\"\n",
                 change.kind == PlannedChange::Kind::Value ? "value" : "service",
                 locale.ToUtf8(change.key).c_str(), locale.ToUtf8(name).c_str(),
                 locale.ToUtf8(current).c_str(), locale.ToUtf8(change.next).c_str());
  }
  return VerbResult::Done;
}

VerbResult Apply(VerbCall& call) {
  const int model = ModelOf(call.line);
  TweakBoxes tweakBoxes{};
  PresetTweaks(model, tweakBoxes);
  ServiceBoxes serviceBoxes{};
  PresetServices(model, serviceBoxes);
  std::optional<SpeedServices> services = ServicesOf(call.machine);
  if (!services) return call.Fail("the machine has no service manager");
  const OptimizationRun run = RunOptimization(*services, tweakBoxes, serviceBoxes);
  call.MachineChanged();
  PrintFailures(call, run.failures);
  platform::Locale& locale = call.machine.platform().locale;
  if (call.line.json) {
    nlohmann::ordered_json failed = nlohmann::ordered_json::array();
    for (const std::string& line : run.failures.lines) failed.push_back(locale.ToUtf8(line));
    const nlohmann::ordered_json result{
        {"backup", run.backupFile.empty() ? nlohmann::ordered_json(nullptr)
                                          : nlohmann::ordered_json(locale.ToUtf8(run.backupFile))},
        {"failed", failed}};
    std::fprintf(call.console.out, "%s\n", result.dump(2).c_str());
  } else if (!run.backupFile.empty()) {
    std::fprintf(call.console.out, "Speed backup file: %s\n",
                 locale.ToUtf8(run.backupFile).c_str());
  }
  if (!run.failures.empty()) return VerbResult::Failed;
  if (!call.line.json) std::fputs("System Optimization Completed\n", call.console.out);
  return VerbResult::Done;
}

VerbResult Backups(VerbCall& call) {
  platform::Platform& platform = call.machine.platform();
  const std::vector<SpeedBackupRow> rows = ListBackupFiles(platform.files, platform.locale);
  if (rows.empty()) std::fputs("No speed backup files.\n", call.console.out);
  for (const SpeedBackupRow& row : rows) {
    std::fprintf(call.console.out, "%s\n", platform.locale.ToUtf8(row.path).c_str());
  }
  return VerbResult::Done;
}

VerbResult Restore(VerbCall& call) {
  platform::Platform& platform = call.machine.platform();
  std::string file = call.line.moreOperands.front();
  // A name from the list stands for the file of the backup folder.
  if (file.find('\\') == std::string::npos) file = SpeedBackupFolder(platform.files) + file;
  std::optional<SpeedServices> services = ServicesOf(call.machine);
  if (!services) return call.Fail("the machine has no service manager");
  const std::optional<StepFailures> failures = RestoreFromBackupFile(*services, file);
  if (!failures) return call.Fail(file + " is no file of the machine");
  call.MachineChanged();
  PrintFailures(call, *failures);
  if (!failures->empty()) return VerbResult::Failed;
  std::fputs("Reset successful!\n", call.console.out);
  return VerbResult::Done;
}

VerbResult RunOptimize(VerbCall& call) {
  const std::string& action = *call.line.operand;
  if (action == "preview") return Preview(call);
  if (action == "apply") return Apply(call);
  if (action == "backups") return Backups(call);
  return Restore(call);
}

}  // namespace

extern const Verb kOptimizeVerb{
    .name = "optimize",
    .operand = "ACTION",
    .operandNeeded = "an action: preview, apply, backups or restore",
    .usage =
        "The system speed optimizer's models.\n"
        "preview --model N   lists every value and service start type the model would\n"
        "                    change, now and after; changes nothing\n"
        "apply --model N     applies the model as Fast Optimize does, after saving what it\n"
        "                    changes into a new speed backup file, and names that file\n"
        "backups             lists the speed backup files\n"
        "restore FILE        resets the values and services a speed backup file saved\n"
        "                    (FILE is a path of the machine or a name from the list)",
    .options = kOptimizeOptions,
    .writesJson = true,
    .run = RunOptimize,
    .moreOperands = true,
    .refuseCall = RefuseCall};

}  // namespace halvex::cli
