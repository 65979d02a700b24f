#pragma once
// The commands of halvex-cli beside the scan; each returns the process's exit code.
#include "cli/command_line.h"

namespace halvex::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Prints "halvex-cli: <reason>" to standard error and returns `exitCode`.
int Fail(const std::string& reason, int exitCode);

int RunRepairCommand(const RepairOptions& options);
int RunRestoreCommand(const RestoreOptions& options);
int RunBackupsCommand(const BackupsOptions& options);

}  // namespace halvex::cli
