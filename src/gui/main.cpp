// Halvex.exe: the Windows program. Builds the real services, runs start-up and then the
// message loop until the program ends.
#include <string>

#include "app/startup/startup.h"
#include "gui/win32_program.h"

int main(int argc, char** argv) {
  using namespace halvex;
  gui::Win32Program program;
  // The first argument, kept for the whole run; "-Scan" from the scheduled task.
  const std::string startArgument = argc > 1 ? argv[1] : "";
  auto running = app::StartProgram(program.services(), startArgument);
  if (!running) return 0;
  return program.windows().RunMessageLoop();
}
