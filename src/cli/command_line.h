#pragma once
// The words of a halvex-cli call, checked before anything runs.
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "scan/scan_driver.h"

namespace halvex::cli {

struct ScanOptions {
  std::optional<std::string> machineFolder;  // none: the live system
  scan::SectionChoice sections = scan::AllSections();
  bool json = false;
};

struct RepairOptions {
  std::optional<std::string> machineFolder;
  scan::SectionChoice sections = scan::AllSections();
  bool noBackup = false;  // repair without writing the repair backup first
  bool json = false;
};

struct RestoreOptions {
  std::string file;  // the backup to import
  std::optional<std::string> machineFolder;
};

struct BackupsOptions {
  std::optional<std::string> machineFolder;
};

struct CommandLine {
  enum class Command { Help, Scan, Repair, Restore, Backups } command = Command::Help;
  ScanOptions scan;
  RepairOptions repair;
  RestoreOptions restore;
  BackupsOptions backups;
};

struct UsageError {
  std::string reason;  // one line, without the program name
};

// Parses the arguments after the program name; a UsageError names what is wrong.
std::variant<CommandLine, UsageError> ParseCommandLine(const std::vector<std::string>& arguments);

extern const char* const kUsage;

}  // namespace halvex::cli
