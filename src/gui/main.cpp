// Halvex.exe: the Windows program. Builds the real services, runs start-up and then the
// message loop until the program ends.
#include <string>

#include "app/product.h"
#include "app/program_seams.h"
#include "app/startup.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_http_client.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_process_runner.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell_links.h"
#include "platform/win32/win32_task_scheduler.h"
#include "ui/busy_state.h"
#include "ui/win32/win32_window_system.h"

int main(int argc, char** argv) {
  using namespace halvex;
  platform::win32::Win32Registry registry;
  platform::win32::Win32FileSystem files;
  platform::win32::Win32Locale locale;
  platform::win32::Win32Clock clock;
  platform::win32::Win32ShellLinks links;
  platform::Platform machine{registry, files, locale, clock, links};
  platform::win32::Win32MessageBoxes messages(app::kApplicationTitle);
  platform::win32::Win32MessagePump pump;
  platform::win32::Win32ProcessStarter processes;
  platform::win32::Win32ProcessRunner registryEditor;
  platform::win32::Win32WindowMessages windowMessages;
  platform::win32::Win32SystemInfo system;
  platform::Desktop desktop{messages, pump, processes, windowMessages, system};
  ui::win32::Win32WindowSystem windows(messages);
  ui::BusyState busy;
  platform::win32::Win32HttpClient http;
  platform::win32::Win32TaskSchedulerService schedulers;
  // The update check and the preferences, with the scheduler they keep until the program ends.
  app::ProgramParts parts{machine, desktop, windows, http, schedulers};

  // The first argument, kept for the whole run; "-Scan" from the scheduled task.
  const std::string startArgument = argc > 1 ? argv[1] : "";
  auto program =
      app::StartProgram({registry, files, desktop, windows, busy, &machine, &registryEditor},
                        app::ProgramSeams(parts), startArgument);
  if (!program) return 0;
  return windows.RunMessageLoop();
}
