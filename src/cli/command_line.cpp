#include "cli/command_line.h"

#include <algorithm>

namespace halvex::cli {
namespace {

// The options every verb takes; the dispatcher acts on them, not the verb.
constexpr VerbOption kMachineOption{
    .name = "--machine",
    .valueName = "DIR",
    .valueNeeded = "a folder",
    .description =
        "work on the machine folder DIR (DIR/registry.reg, DIR/drives/C/...,\n"
        "optional DIR/machine.ini) instead of the live system; without it,\n"
        "the live system is used, which works on Windows only"};
constexpr VerbOption kJsonOption{
    .name = "--json", .description = "write one JSON document to standard output instead of text"};

bool IsHelpWord(const std::string& word) {
  return word == "help" || word == "--help" || word == "-h";
}

const Verb* FindVerb(VerbList verbs, const std::string& name) {
  const auto found = std::find_if(verbs.begin(), verbs.end(),
                                  [&](const Verb* verb) { return verb->name == name; });
  return found == verbs.end() ? nullptr : *found;
}

const VerbOption* FindOption(const Verb& verb, const std::string& word) {
  if (word == kMachineOption.name) return &kMachineOption;
  if (word == kJsonOption.name) return verb.writesJson ? &kJsonOption : nullptr;
  const auto found = std::find_if(verb.options.begin(), verb.options.end(),
                                  [&](const VerbOption& option) { return option.name == word; });
  return found == verb.options.end() ? nullptr : &*found;
}

std::string DoesNotKnow(const Verb& verb, const std::string& word) {
  return std::string(verb.name) + " does not know '" + word + "'";
}

std::variant<CommandLine, UsageError> ParseVerbWords(const Verb& verb,
                                                     const std::vector<std::string>& arguments) {
  CommandLine line;
  line.verb = &verb;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    if (word == "--help") {
      line.help = true;
      continue;
    }
    const VerbOption* option = FindOption(verb, word);
    if (option == nullptr) {
      if (verb.operand.empty() || word.starts_with("--") || (line.operand && !verb.moreOperands)) {
        return UsageError{DoesNotKnow(verb, word)};
      }
      if (line.operand) {
        line.moreOperands.push_back(word);
      } else {
        line.operand = word;
      }
      continue;
    }
    std::string value;
    if (!option->valueName.empty()) {
      if (i + 1 >= arguments.size()) {
        return UsageError{word + " needs " + std::string(option->valueNeeded)};
      }
      value = arguments[++i];
      if (option->refuse != nullptr) {
        if (auto reason = option->refuse(value)) return UsageError{std::move(*reason)};
      }
    }
    if (option == &kMachineOption) {
      line.machineFolder = value;
    } else if (option == &kJsonOption) {
      line.json = true;
    } else {
      line.options.emplace_back(word, value);
    }
  }
  if (!line.help && !verb.operand.empty() && !line.operand) {
    return UsageError{std::string(verb.name) + " needs " + std::string(verb.operandNeeded)};
  }
  return line;
}

// Appends the lines of `text`, each after `indent`.
void AppendLines(std::string& out, std::string_view text, std::string_view indent) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    out.append(indent).append(text.substr(0, end)).append("\n");
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
}

std::string OptionWords(const VerbOption& option) {
  std::string words(option.name);
  if (!option.valueName.empty()) words.append(" ").append(option.valueName);
  return words;
}

// "      --section N    scan section N ..." with the description's further lines aligned.
void AppendOption(std::string& out, const VerbOption& option) {
  constexpr std::size_t kColumn = 15;
  std::string words = OptionWords(option);
  words.resize(std::max(kColumn, words.size() + 2), ' ');
  std::string described;
  AppendLines(described, option.description, std::string(6 + kColumn, ' '));
  out.append("      ").append(words).append(described.substr(6 + kColumn));
}

std::string Synopsis(const Verb& verb) {
  std::string synopsis(verb.name);
  if (!verb.operand.empty()) synopsis.append(" ").append(verb.operand);
  synopsis.append(" [").append(OptionWords(kMachineOption)).append("]");
  for (const VerbOption& option : verb.options) {
    synopsis.append(" [").append(OptionWords(option)).append(option.repeatable ? "]..." : "]");
  }
  if (verb.writesJson) synopsis.append(" [--json]");
  return synopsis;
}

void AppendVerb(std::string& out, const Verb& verb) {
  out.append("  ").append(Synopsis(verb)).append("\n");
  AppendLines(out, verb.usage, "      ");
  for (const VerbOption& option : verb.options) AppendOption(out, option);
}

constexpr const char* kExitCodes =
    "Exit codes: 0 done, or no problem found; 1 problems found, or anything failed (a repair,\n"
    "the repair backup, an import, saving the machine folder); 2 a usage error or an\n"
    "unreadable machine folder. Errors go to standard error with a one-line reason.\n";

}  // namespace

bool CommandLine::Has(std::string_view option) const {
  return std::any_of(options.begin(), options.end(),
                     [&](const auto& given) { return given.first == option; });
}

std::vector<std::string> CommandLine::Values(std::string_view option) const {
  std::vector<std::string> values;
  for (const auto& [name, value] : options) {
    if (name == option) values.push_back(value);
  }
  return values;
}

std::variant<CommandLine, UsageError> ParseCommandLine(VerbList verbs,
                                                       const std::vector<std::string>& arguments) {
  if (arguments.empty()) return UsageError{"no command given"};
  const std::string& command = arguments.front();
  if (IsHelpWord(command)) {
    if (arguments.size() == 1) return CommandLine{};
    const Verb* verb = FindVerb(verbs, arguments[1]);
    if (verb == nullptr) return UsageError{"unknown command '" + arguments[1] + "'"};
    if (arguments.size() > 2) return UsageError{"help does not know '" + arguments[2] + "'"};
    return CommandLine{.verb = verb, .help = true};
  }
  const Verb* verb = FindVerb(verbs, command);
  if (verb == nullptr) return UsageError{"unknown command '" + command + "'"};
  return ParseVerbWords(*verb, arguments);
}

std::string HelpText(VerbList verbs) {
  std::string text =
      "Usage: halvex-cli COMMAND [OPTIONS]\n"
      "\n"
      "Finds and repairs broken entries in the Windows registry.\n"
      "\n"
      "Commands:\n";
  for (const Verb* verb : verbs) AppendVerb(text, *verb);
  text.append("  help [COMMAND], --help\n      show this text, or one command's\n\n");
  text.append("Options of every command:\n");
  AppendOption(text, kMachineOption);
  std::string jsonVerbs;
  for (const Verb* verb : verbs) {
    if (verb->writesJson) jsonVerbs.append(jsonVerbs.empty() ? "" : ", ").append(verb->name);
  }
  if (!jsonVerbs.empty()) {
    text.append("Option of ").append(jsonVerbs).append(":\n");
    AppendOption(text, kJsonOption);
  }
  return text.append("\n").append(kExitCodes);
}

std::string VerbHelpText(const Verb& verb) {
  std::string text = "Usage: halvex-cli " + Synopsis(verb) + "\n\n";
  AppendLines(text, verb.usage, "  ");
  text.append("\nOptions:\n");
  for (const VerbOption& option : verb.options) AppendOption(text, option);
  AppendOption(text, kMachineOption);
  if (verb.writesJson) AppendOption(text, kJsonOption);
  return text.append("\n").append(kExitCodes);
}

}  // namespace halvex::cli
