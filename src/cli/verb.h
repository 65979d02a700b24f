#pragma once
// One verb of halvex-cli: a row of the verb table (verb_table.cpp). The dispatcher
// (dispatcher.h) parses a call against the rows, opens the machine, runs the verb, saves the
// machine's changes and turns the verb's result into the exit code.
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/machine_access.h"

namespace halvex::cli {

// An option a verb accepts, as the parser checks it and the help shows it.
struct VerbOption {
  std::string_view name = {};         // "--section"
  std::string_view valueName = {};    // "N" in the help; empty: a flag without a value
  std::string_view valueNeeded = {};  // a missing value is "<name> needs <valueNeeded>"
  std::string_view description = {};  // the help's lines, separated by '\n'
  bool repeatable = false;
  // The reason a value is refused, one line; none accepts every value.
  std::optional<std::string> (*refuse)(const std::string& value) = nullptr;
};

// What a verb answers; the dispatcher maps it onto the exit codes.
enum class VerbResult {
  Done,          // 0: it did what it was asked
  NothingFound,  // 0: a scan that found no problem
  Found,         // 1: a scan that found problems
  Failed,        // 1: anything failed (the verb said why)
  UsageError,    // 2: the options contradict each other (the verb said how)
  Refused,       // 2: the call cannot be carried out as given (the verb said why)
};

struct Verb;

// The call as the parser understood it.
struct CommandLine {
  const Verb* verb = nullptr;                     // none: the help of every verb
  bool help = false;                              // the help of `verb` alone
  std::optional<std::string> machineFolder = {};  // none: the live system
  bool json = false;
  std::optional<std::string> operand = {};  // the verb's operand, such as restore's FILE
  std::vector<std::pair<std::string, std::string>> options = {};  // in order; a flag's value is ""
  std::vector<std::string> moreOperands =
      {};  // the words after the operand, for verbs that take them

  bool Has(std::string_view option) const;
  std::vector<std::string> Values(std::string_view option) const;
};

// Where a verb writes: standard output and standard error, or files in tests.
struct Console {
  std::FILE* out = stdout;
  std::FILE* err = stderr;
};

// What a verb's run function gets.
class VerbCall {
 public:
  VerbCall(const CommandLine& line, Machine& machine, Console console)
      : line(line), machine(machine), console(console) {}

  const CommandLine& line;
  Machine& machine;
  Console console;

  // Prints "halvex-cli: <reason>" to standard error; answers Failed.
  VerbResult Fail(const std::string& reason);
  // Prints "halvex-cli: <reason> (try --help)" to standard error; answers UsageError.
  VerbResult UsageFail(const std::string& reason);
  // Prints "halvex-cli: <reason>" to standard error; answers Refused.
  VerbResult Refuse(const std::string& reason);
  // Says that the verb changed the machine, so the dispatcher saves it once it ends.
  void MachineChanged() { machineChanged_ = true; }
  bool machineChanged() const { return machineChanged_; }

 private:
  bool machineChanged_ = false;
};

// A row of the verb table.
struct Verb {
  std::string_view name = {};           // "scan"
  std::string_view operand = {};        // "FILE" in the help; empty: the verb takes none
  std::string_view operandNeeded = {};  // a missing operand is "<name> needs <operandNeeded>"
  std::string_view usage = {};          // what the verb does: the help's lines, separated by '\n'
  std::span<const VerbOption> options = {};  // beside --machine, which every verb takes
  bool writesJson = false;                   // whether it takes --json
  VerbResult (*run)(VerbCall& call) = nullptr;
  bool moreOperands = false;  // words after the operand are operands too (activex lock ID...)
};

using VerbList = std::span<const Verb* const>;

}  // namespace halvex::cli
