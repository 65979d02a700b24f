#pragma once
// The preferences dialog over a substitute machine, a scripted update server and the
// substitute task scheduler, as the user would open it from the main window.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/options/options_form.h"
#include "platform/substitute/recording_process_starter.h"
#include "platform/substitute/scripted_http_client.h"
#include "platform/substitute/scripted_message_boxes.h"
#include "platform/substitute/substitute_task_scheduler.h"
#include "tests/support/scratch_machine.h"
#include "ui/recording_window_system.h"

namespace halvex::testing {

inline constexpr const char* kProgram = "C:\\Program Files\\Halvex\\Halvex.exe";
inline constexpr const char* kSettingsKeyPath = "HKEY_CURRENT_USER\\Software\\Halvex";
inline constexpr const char* kIgnoreFile = "C:\\Program Files\\Halvex\\HalvoIgnores.dat";
inline constexpr const char* kUpdateServer = "http://updates.test";
inline constexpr const char* kVersionUrl = "http://updates.test/update/Update.ini";

class OptionsFormTest : public ::testing::Test {
 protected:
  OptionsFormTest() {
    machine.AddFolder("C:\\WINDOWS");
    machine.AddFile(kProgram, "MZ");
    machine.clock.SetNow({2026, 3, 7, 14, 42, 5, 0});
  }

  // A new dialog of this run, shown: FormCreate, then FormShow.
  app::TFormOptions& Open() {
    form = std::make_unique<app::TFormOptions>(
        app::OptionsServices{machine.platform(), messages, processes, server, schedulers, windows,
                             kProgram, kUpdateServer},
        session, settings);
    windows.Show(*form);
    return *form;
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& shown : messages.shown()) texts.push_back(shown.text);
    return texts;
  }

  ScratchMachine machine;
  platform::substitute::ScriptedMessageBoxes messages;
  platform::substitute::RecordingProcessStarter processes;
  platform::substitute::ScriptedHttpClient server;
  platform::substitute::SubstituteTaskSchedulerService schedulers{machine.files(), machine.clock,
                                                                  "Tester"};
  ui::RecordingWindowSystem windows;
  app::SchedulerSession session;
  model::TMyRegistryInfo settings;
  std::unique_ptr<app::TFormOptions> form;
};

}  // namespace halvex::testing
