#pragma once
// The program's services over the substitute, built in this one place for every test that
// drives windows: a scratch machine, the scripted desktop pieces (message boxes answered from a
// script, a pump that only counts, recorded program starts and window messages, fixed system
// facts), the recording window system, a scripted update server at "http://updates.test", the
// substitute task scheduler and the substitute registry editor. A fixture derives from it and
// names the members it watches.
#include <string>
#include <utility>
#include <vector>

#include "platform/desktop.h"
#include "platform/substitute/fixed_system_info.h"
#include "platform/substitute/recording_process_starter.h"
#include "platform/substitute/recording_window_messages.h"
#include "platform/substitute/scripted_http_client.h"
#include "platform/substitute/scripted_message_boxes.h"
#include "platform/substitute/scripted_pump.h"
#include "platform/substitute/substitute_registry_editor.h"
#include "platform/substitute/substitute_restore_points.h"
#include "platform/substitute/substitute_task_scheduler.h"
#include "tests/support/scratch_machine.h"
#include "ui/busy_state.h"
#include "ui/program_services.h"
#include "ui/recording_window_system.h"

namespace halvex::testing {

inline constexpr const char* kTestUpdateServer = "http://updates.test";

class SubstituteProgram {
 public:
  explicit SubstituteProgram(platform::substitute::SystemFolders folders = {},
                             std::vector<ScratchDrive> drives = {{'C', platform::DriveType::Fixed}})
      : machine(std::move(folders), std::move(drives)) {}
  SubstituteProgram(const SubstituteProgram&) = delete;
  SubstituteProgram& operator=(const SubstituteProgram&) = delete;

  ScratchMachine machine;
  platform::substitute::ScriptedMessageBoxes messages;
  platform::substitute::ScriptedPump pump;
  platform::substitute::RecordingProcessStarter processes;
  platform::substitute::RecordingWindowMessages windowMessages;
  platform::substitute::FixedSystemInfo system;
  platform::Desktop desktop{messages, pump, processes, windowMessages, system};
  ui::RecordingWindowSystem windows;
  ui::BusyState busy;
  platform::substitute::ScriptedHttpClient server;
  platform::substitute::SubstituteTaskSchedulerService schedulers{machine.files(), machine.clock};
  platform::substitute::SubstituteRegistryEditor editor{machine.registry, machine.files(),
                                                        machine.registry.codePage()};
  platform::substitute::SubstituteRestorePoints restorePoints{machine.files(), machine.clock};
  // Everything above, as the program's windows receive it.
  ui::ProgramServices programServices{.platform = machine.platform(),
                                      .desktop = desktop,
                                      .processRunner = editor,
                                      .http = server,
                                      .schedulers = schedulers,
                                      .windows = windows,
                                      .busy = busy,
                                      .updateServer = kTestUpdateServer,
                                      .shell = machine.shell,
                                      .identities = machine.identities,
                                      .restorePoints = restorePoints};
};

}  // namespace halvex::testing
