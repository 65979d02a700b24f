#include "cli/command_line.h"

#include <charconv>

namespace halvex::cli {

const char* const kUsage =
    "Usage: halvex-cli COMMAND [OPTIONS]\n"
    "\n"
    "Finds broken entries in the Windows registry.\n"
    "\n"
    "Commands:\n"
    "  scan [--machine DIR] [--section N]... [--json]\n"
    "      Scans the registry and lists the problems found, section by section.\n"
    "      --machine DIR  scan the machine folder DIR (DIR/registry.reg, DIR/drives/C/...,\n"
    "                     optional DIR/machine.ini) instead of the live system; without it,\n"
    "                     the live system is scanned, which works on Windows only\n"
    "      --section N    scan section N (1 to 17); repeat it for several sections;\n"
    "                     the default is all 17\n"
    "      --json         write one JSON document to standard output instead of text\n"
    "  help, --help      show this text\n"
    "\n"
    "Exit codes: 0 no problem found, 1 problems found, 2 usage error or unreadable machine\n"
    "folder. Errors go to standard error with a one-line reason.\n";

namespace {

std::optional<int> SectionNumber(const std::string& text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (number < 1 || number > model::kSectionCount) return std::nullopt;
  return number;
}

std::variant<CommandLine, UsageError> ParseScan(const std::vector<std::string>& arguments) {
  CommandLine line;
  line.command = CommandLine::Command::Scan;
  bool sectionGiven = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (word == "--json") {
      line.scan.json = true;
    } else if (word == "--machine") {
      if (!hasValue) return UsageError{"--machine needs a folder"};
      line.scan.machineFolder = arguments[++i];
    } else if (word == "--section") {
      if (!hasValue) return UsageError{"--section needs a number from 1 to 17"};
      const std::optional<int> number = SectionNumber(arguments[++i]);
      if (!number)
        return UsageError{"--section takes a number from 1 to 17, not '" + arguments[i] + "'"};
      if (!sectionGiven) line.scan.sections.fill(false);
      sectionGiven = true;
      line.scan.sections[static_cast<std::size_t>(*number - 1)] = true;
    } else {
      return UsageError{"scan does not know '" + word + "'"};
    }
  }
  return line;
}

}  // namespace

std::variant<CommandLine, UsageError> ParseCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return UsageError{"no command given"};
  const std::string& command = arguments.front();
  if (command == "--help" || command == "help" || command == "-h") return CommandLine{};
  if (command == "scan") return ParseScan(arguments);
  return UsageError{"unknown command '" + command + "'"};
}

}  // namespace halvex::cli
