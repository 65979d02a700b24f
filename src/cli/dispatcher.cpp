#include "cli/dispatcher.h"

#include "cli/command_line.h"

namespace halvex::cli {
namespace {

int Fail(Console console, const std::string& reason, int exitCode) {
  std::fprintf(console.err, "halvex-cli: %s\n", reason.c_str());
  return exitCode;
}

}  // namespace

VerbResult VerbCall::Fail(const std::string& reason) {
  cli::Fail(console, reason, kExitFailure);
  return VerbResult::Failed;
}

VerbResult VerbCall::UsageFail(const std::string& reason) {
  cli::Fail(console, reason + " (try --help)", kExitUsage);
  return VerbResult::UsageError;
}

VerbResult VerbCall::Refuse(const std::string& reason) {
  cli::Fail(console, reason, kExitUsage);
  return VerbResult::Refused;
}

int ExitCode(VerbResult result) {
  switch (result) {
    case VerbResult::Done:
    case VerbResult::NothingFound:
      return kExitSuccess;
    case VerbResult::Found:
    case VerbResult::Failed:
      return kExitFailure;
    case VerbResult::UsageError:
    case VerbResult::Refused:
      return kExitUsage;
  }
  return kExitFailure;
}

int RunCommandLine(VerbList verbs, const std::vector<std::string>& arguments,
                   const MachineOpener& openMachine, Console console) {
  const auto parsed = ParseCommandLine(verbs, arguments);
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    return Fail(console, error->reason + " (try --help)", kExitUsage);
  }
  const CommandLine& line = std::get<CommandLine>(parsed);
  if (line.verb == nullptr || line.help) {
    const std::string help = line.verb == nullptr ? HelpText(verbs) : VerbHelpText(*line.verb);
    std::fputs(help.c_str(), console.out);
    return kExitSuccess;
  }

  auto opened = openMachine(line.machineFolder);
  if (const auto* error = std::get_if<std::string>(&opened)) {
    return Fail(console, *error, kExitUsage);
  }
  Machine& machine = *std::get<std::unique_ptr<Machine>>(opened);
  VerbCall call(line, machine, console);
  int exitCode = ExitCode(line.verb->run(call));
  if (call.machineChanged()) {
    if (const auto error = machine.SaveChanges()) {
      exitCode = Fail(console, "the changes could not be saved: " + *error, kExitFailure);
    }
  }
  return exitCode;
}

}  // namespace halvex::cli
