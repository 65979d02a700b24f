#pragma once
// The verbs of halvex-cli, in the order the help lists them.
#include "cli/verb.h"

namespace halvex::cli {

VerbList VerbTable();

}  // namespace halvex::cli
