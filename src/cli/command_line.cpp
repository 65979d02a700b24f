#include "cli/command_line.h"

#include <charconv>

namespace halvex::cli {

const char* const kUsage =
    "Usage: halvex-cli COMMAND [OPTIONS]\n"
    "\n"
    "Finds and repairs broken entries in the Windows registry.\n"
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
    "  repair [--machine DIR] [--section N]... [--no-backup] [--json]\n"
    "      Scans, then repairs every problem found, after saving what the repair deletes in\n"
    "      a repair backup (RepairBackup\\_yyyymmdd_hhnnss.reg in the program folder); when\n"
    "      the backup cannot be written, nothing is repaired. Lists each repair's status.\n"
    "      --no-backup    repair without writing the repair backup\n"
    "      A machine folder gets every change written back: DIR/registry.reg and DIR/drives.\n"
    "  restore FILE [--machine DIR]\n"
    "      Imports FILE, a repair or full backup, with the system's registry editor and waits\n"
    "      for it; with --machine, into the machine folder (FILE is a path on the machine,\n"
    "      such as C:\\Program Files\\Halvex\\RepairBackup\\_20260115_120000.reg, or a file of\n"
    "      this computer).\n"
    "  backups [--machine DIR]\n"
    "      Lists the repair backups, newest first.\n"
    "  help, --help      show this text\n"
    "\n"
    "Exit codes: scan: 0 no problem found, 1 problems found; repair: 0 every repair\n"
    "succeeded, 1 any failed or the backup could not be written; restore: 0 imported, 1 not;\n"
    "2 for a usage error or an unreadable machine folder. Errors go to standard error with a\n"
    "one-line reason.\n";

namespace {

std::optional<int> SectionNumber(const std::string& text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (number < 1 || number > model::kSectionCount) return std::nullopt;
  return number;
}

// What a command may be given.
struct Allowed {
  bool sections = false, json = false, noBackup = false, file = false;
};

// Every option any command takes, as they were given.
struct Words {
  std::optional<std::string> machineFolder;
  scan::SectionChoice sections = scan::AllSections();
  bool json = false, noBackup = false;
  std::optional<std::string> file;
};

std::variant<Words, UsageError> ParseWords(const std::vector<std::string>& arguments,
                                           const Allowed& allowed) {
  const std::string& command = arguments.front();
  Words words;
  bool sectionGiven = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (word == "--json" && allowed.json) {
      words.json = true;
    } else if (word == "--no-backup" && allowed.noBackup) {
      words.noBackup = true;
    } else if (word == "--machine") {
      if (!hasValue) return UsageError{"--machine needs a folder"};
      words.machineFolder = arguments[++i];
    } else if (word == "--section" && allowed.sections) {
      if (!hasValue) return UsageError{"--section needs a number from 1 to 17"};
      const std::optional<int> number = SectionNumber(arguments[++i]);
      if (!number)
        return UsageError{"--section takes a number from 1 to 17, not '" + arguments[i] + "'"};
      if (!sectionGiven) words.sections.fill(false);
      sectionGiven = true;
      words.sections[static_cast<std::size_t>(*number - 1)] = true;
    } else if (allowed.file && !words.file && !word.starts_with("--")) {
      words.file = word;
    } else {
      return UsageError{command + " does not know '" + word + "'"};
    }
  }
  if (allowed.file && !words.file) return UsageError{command + " needs the file to import"};
  return words;
}

}  // namespace

std::variant<CommandLine, UsageError> ParseCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return UsageError{"no command given"};
  const std::string& command = arguments.front();
  if (command == "--help" || command == "help" || command == "-h") return CommandLine{};

  CommandLine line;
  Allowed allowed;
  if (command == "scan") {
    line.command = CommandLine::Command::Scan;
    allowed = {.sections = true, .json = true};
  } else if (command == "repair") {
    line.command = CommandLine::Command::Repair;
    allowed = {.sections = true, .json = true, .noBackup = true};
  } else if (command == "restore") {
    line.command = CommandLine::Command::Restore;
    allowed = {.file = true};
  } else if (command == "backups") {
    line.command = CommandLine::Command::Backups;
  } else {
    return UsageError{"unknown command '" + command + "'"};
  }

  auto parsed = ParseWords(arguments, allowed);
  if (const UsageError* error = std::get_if<UsageError>(&parsed)) return *error;
  Words& words = std::get<Words>(parsed);
  line.scan = {words.machineFolder, words.sections, words.json};
  line.repair = {words.machineFolder, words.sections, words.noBackup, words.json};
  line.restore = {words.file.value_or(""), words.machineFolder};
  line.backups = {words.machineFolder};
  return line;
}

}  // namespace halvex::cli
