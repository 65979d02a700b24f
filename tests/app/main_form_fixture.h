#pragma once
// A main window over substitute services, as the tests of the window layer use it.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "app/data_module.h"
#include "app/main_form.h"
#include "platform/substitute/fixed_system_info.h"
#include "platform/substitute/host_file_system.h"
#include "platform/substitute/recording_process_starter.h"
#include "platform/substitute/recording_window_messages.h"
#include "platform/substitute/scripted_message_boxes.h"
#include "platform/substitute/scripted_pump.h"
#include "ui/recording_window_system.h"

namespace halvex::platform {
inline void PrintTo(const ProcessStart& start, std::ostream* os) {
  *os << "{file \"" << start.file << "\", parameters \"" << start.parameters << "\", verb \""
      << start.verb << "\"}";
}
}  // namespace halvex::platform

namespace halvex::testing {

class MainFormTest : public ::testing::Test {
 protected:
  void Make(app::MainFormHooks hooks = {}, std::string startArgument = {}) {
    dm = std::make_unique<app::TDM>(system, windows, false, nullptr);
    form = std::make_unique<app::THalvexMainForm>(
        app::MainFormServices{windows, desktop, files, busy, *dm, settings,
                              std::move(startArgument)},
        std::move(hooks));
    windows.Show(*form);
  }
  void TearDown() override {
    form.reset();
    dm.reset();
  }

  platform::substitute::ScriptedMessageBoxes messages;
  platform::substitute::ScriptedPump pump;
  platform::substitute::RecordingProcessStarter processes;
  platform::substitute::RecordingWindowMessages windowMessages;
  platform::substitute::FixedSystemInfo system;
  platform::Desktop desktop{messages, pump, processes, windowMessages, system};
  // No folders behind the drives: the window only asks for their types.
  platform::substitute::HostFileSystem files{
      {{.letter = 'C', .folder = "/nonexistent/halvex-c", .type = platform::DriveType::Fixed},
       {.letter = 'E', .folder = "/nonexistent/halvex-e", .type = platform::DriveType::CdRom}},
      {}};
  ui::RecordingWindowSystem windows;
  ui::BusyState busy;
  model::TMyRegistryInfo settings{.HomePage = "http://www.halvex.example/",
                                  .HelpURL = "http://www.halvex.example/help"};
  std::unique_ptr<app::TDM> dm;
  std::unique_ptr<app::THalvexMainForm> form;
};

}  // namespace halvex::testing
