#pragma once
// The one way a halvex-cli call runs: parse it against the verb table, open the machine once,
// run the verb, save a machine folder's changes once, and answer one vocabulary of exit codes.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/verb.h"

namespace halvex::cli {

inline constexpr int kExitSuccess = 0;  // done, or nothing found
inline constexpr int kExitFailure = 1;  // found, or anything failed
inline constexpr int kExitUsage = 2;    // a usage error or an unreadable machine folder

int ExitCode(VerbResult result);

// Opens the machine of --machine, or the live system; OpenMachine in production.
using MachineOpener = std::function<std::variant<std::unique_ptr<Machine>, std::string>(
    const std::optional<std::string>& machineFolder)>;

// Runs the call `arguments` (the words after the program name) and answers its exit code.
int RunCommandLine(VerbList verbs, const std::vector<std::string>& arguments,
                   const MachineOpener& openMachine, Console console = {});

}  // namespace halvex::cli
