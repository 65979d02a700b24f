#pragma once
// The words of a halvex-cli call, checked against the verb table before anything runs, and the
// help, built from the same rows.
#include <string>
#include <variant>
#include <vector>

#include "cli/verb.h"

namespace halvex::cli {

struct UsageError {
  std::string reason;  // one line, without the program name
};

// Parses the arguments after the program name. "help", "--help" and "-h" alone ask for the help
// of every verb; "help VERB" and "VERB --help" for one verb's. A UsageError names what is wrong.
std::variant<CommandLine, UsageError> ParseCommandLine(VerbList verbs,
                                                       const std::vector<std::string>& arguments);

// The help of every verb, and the help of one.
std::string HelpText(VerbList verbs);
std::string VerbHelpText(const Verb& verb);

}  // namespace halvex::cli
