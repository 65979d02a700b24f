#include "cli/commands.h"

#include <cstdio>

namespace halvex::cli {

int Fail(const std::string& reason, int exitCode) {
  std::fprintf(stderr, "halvex-cli: %s\n", reason.c_str());
  return exitCode;
}

}  // namespace halvex::cli
