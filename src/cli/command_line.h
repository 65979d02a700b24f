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

struct CommandLine {
  enum class Command { Help, Scan } command = Command::Help;
  ScanOptions scan;
};

struct UsageError {
  std::string reason;  // one line, without the program name
};

// Parses the arguments after the program name; a UsageError names what is wrong.
std::variant<CommandLine, UsageError> ParseCommandLine(const std::vector<std::string>& arguments);

extern const char* const kUsage;

}  // namespace halvex::cli
