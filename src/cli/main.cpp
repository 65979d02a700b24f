// halvex-cli: the registry scan, repair and restore from a console, on the live system or on a
// machine folder (a registry.reg file plus drive folders). It runs the same scan driver,
// section routines, repair driver and backups as the Windows program; its verbs are the rows
// of the verb table.
#include <string>
#include <vector>

#include "cli/dispatcher.h"
#include "cli/verb_table.h"

int main(int argc, char** argv) {
  using namespace halvex;
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return cli::RunCommandLine(cli::VerbTable(), arguments, cli::OpenMachine);
}
