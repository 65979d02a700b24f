// halvex-cli: the registry scan and repair from a console, on the live system or on a machine
// folder (a registry.reg file plus drive folders).
#include <cstdio>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "Usage: halvex-cli COMMAND [OPTIONS]\n"
    "\n"
    "Finds and repairs broken entries in the Windows registry.\n"
    "\n"
    "Commands:\n"
    "  --help, help   Show this text.\n"
    "\n"
    "Exit codes: 0 success, 2 usage error.\n";

}  // namespace

int main(int argc, char** argv) {
  const std::string_view command = argc > 1 ? argv[1] : "";
  if (command == "--help" || command == "help" || command == "-h") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (command.empty()) {
    std::fputs("halvex-cli: no command given (try --help)\n", stderr);
  } else {
    std::fprintf(stderr, "halvex-cli: unknown command '%s' (try --help)\n", argv[1]);
  }
  return 2;
}
