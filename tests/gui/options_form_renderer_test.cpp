// The preferences dialog rendered with real controls under Wine, over the system's registry of
// the test prefix being left alone: the settings live in the substitute registry, the schedule
// in Wine's task scheduler.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/options/options_form.h"
#include "platform/substitute/fixed_clock.h"
#include "platform/substitute/memory_registry.h"
#include "platform/substitute/recording_process_starter.h"
#include "platform/substitute/scripted_http_client.h"
#include "platform/substitute/scripted_message_boxes.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_shell_links.h"
#include "platform/win32/win32_task_scheduler.h"
#include "tests/platform/host_temp_folder.h"
#include "tests/support/program_folder_override.h"
#include "ui/win32/win32_window_system.h"

namespace halvex::app {
namespace {

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

class OptionsFormRendererTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SchedulerSession cleanup;
    if (EnsureScheduler(schedules, cleanup)) (void)cleanup.scheduler->Delete(kScheduledTaskName);
  }
  void TearDown() override {
    form.reset();
    session = {};
    SchedulerSession cleanup;
    if (EnsureScheduler(schedules, cleanup)) (void)cleanup.scheduler->Delete(kScheduledTaskName);
  }

  TFormOptions& Open() {
    form = std::make_unique<TFormOptions>(
        OptionsServices{machine, messages, processes, http, schedulers, windows, program,
                        "http://updates.test"},
        session, settings);
    windows.Show(*form);
    Pump();
    return *form;
  }
  HWND Window(const ui::Control& control) {
    return static_cast<HWND>(windows.NativeWindow(control));
  }
  void ClickTab(int index) {
    HWND tabs = Window(form->MainPageControl);
    RECT tab;
    ASSERT_TRUE(SendMessageA(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tab)));
    const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(tabs, WM_LBUTTONUP, 0, at);
    Pump();
  }

  testing::HostTempFolder folder;
  platform::win32::Win32FileSystem win32Files;
  testing::ProgramFolderOverride files{win32Files, folder.path().string() + "\\"};
  std::string program = "C:\\windows\\notepad.exe";
  platform::substitute::MemoryRegistry registry;
  platform::win32::Win32Locale locale;
  platform::substitute::FixedClock clock{{2026, 3, 7, 14, 42, 5, 0}};
  platform::win32::Win32ShellLinks links;
  platform::Platform machine{registry, files, locale, clock, links};
  platform::substitute::ScriptedMessageBoxes messages;
  platform::substitute::RecordingProcessStarter processes;
  platform::substitute::ScriptedHttpClient http;
  platform::win32::Win32TaskSchedulerService schedulers;
  ScheduleServices schedules{schedulers, messages, clock, program};
  ui::win32::Win32WindowSystem windows{messages};
  SchedulerSession session;
  model::TMyRegistryInfo settings;
  std::unique_ptr<TFormOptions> form;
};

TEST_F(OptionsFormRendererTest, TheUserSchedulesAScanThroughTheRealControls) {
  TFormOptions& options = Open();
  HWND dialog = Window(options);
  ASSERT_NE(dialog, nullptr);
  char caption[64] = {};
  GetWindowTextA(dialog, caption, sizeof caption);
  EXPECT_STREQ(caption, "Preferences");
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, 523);
  EXPECT_EQ(client.bottom, 355);
  EXPECT_EQ(SendMessageA(Window(options.MainPageControl), TCM_GETITEMCOUNT, 0, 0), 3);

  ClickTab(2);
  ASSERT_EQ(options.MainPageControl.ActivePageName(), "SchedulingSheet");
  EXPECT_TRUE(IsWindowVisible(Window(options.cbActiveTask)));
  EXPECT_FALSE(IsWindowEnabled(Window(options.dtpStartTime)));

  SendMessageA(Window(options.cbActiveTask), BM_CLICK, 0, 0);
  Pump();
  EXPECT_TRUE(options.cbActiveTask.checked());
  EXPECT_EQ(SendMessageA(Window(options.cbActiveTask), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(IsWindowEnabled(Window(options.dtpStartTime)));
  SYSTEMTIME shown{};
  SendMessageA(Window(options.dtpStartTime), DTM_GETSYSTEMTIME, 0,
               reinterpret_cast<LPARAM>(&shown));
  EXPECT_EQ(shown.wHour, 14) << "the current time";
  EXPECT_EQ(shown.wMinute, 42);

  SetWindowTextA(Window(options.SpinEditDays), "2");  // as the user types it
  ASSERT_TRUE(options.dtpStartTime.SetTime(21, 15));
  SendMessageA(Window(options.BitBtn1), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(options.modalResult(), ui::ModalResult::Ok);
  EXPECT_TRUE(messages.shown().empty());

  TFormOptions& reopened = Open();
  ClickTab(2);
  EXPECT_EQ(SendMessageA(Window(reopened.cbActiveTask), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(reopened.SpinEditDays.value(), 2);
  char daysText[8] = {};
  GetWindowTextA(Window(reopened.SpinEditDays), daysText, sizeof daysText);
  EXPECT_STREQ(daysText, "2");
  SendMessageA(Window(reopened.dtpStartTime), DTM_GETSYSTEMTIME, 0,
               reinterpret_cast<LPARAM>(&shown));
  EXPECT_EQ(shown.wHour, 21);
  EXPECT_EQ(shown.wMinute, 15);
  char taskName[32] = {};
  GetWindowTextA(Window(reopened.abTaskName), taskName, sizeof taskName);
  EXPECT_STREQ(taskName, "Halvo.job");
}

}  // namespace
}  // namespace halvex::app
