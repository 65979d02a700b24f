#pragma once
// The drives a clean-up verb walks: those named with --drive, or every drive the tool lists.
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/verb.h"
#include "tools/cleanup/fixed_drives.h"

namespace halvex::cli {

std::optional<std::string> RefuseDriveLetter(const std::string& value);

inline constexpr VerbOption kDriveOption{
    .name = "--drive",
    .valueName = "C",
    .valueNeeded = "a drive letter",
    .description = "walk drive C; repeat it for several drives;\nthe default is every fixed drive",
    .repeatable = true,
    .refuse = RefuseDriveLetter};

// The chosen drives in the order A to Z, or the usage error naming a drive the tool does not
// list.
std::variant<std::vector<tools::cleanup::FixedDrive>, std::string> ChosenDrives(
    const CommandLine& line, const std::vector<tools::cleanup::FixedDrive>& listed);

}  // namespace halvex::cli
