#pragma once
// The desktop services over the system's own API: message boxes, the message pump, starting
// programs through the shell, posting to other windows, and the system's version.
#include "platform/desktop.h"

namespace halvex::platform::win32 {

class Win32MessageBoxes final : public MessageBoxes {
 public:
  // `title` captions the standard error box.
  explicit Win32MessageBoxes(std::string title) : title_(std::move(title)) {}
  MessageAnswer Show(std::string_view text, std::string_view caption, MessageButtons buttons,
                     MessageIcon icon) override;
  void ShowError(std::string_view message) override;

 private:
  std::string title_;
};

class Win32MessagePump final : public MessagePump {
 public:
  void ProcessMessages() override;
  void SleepPumping(unsigned milliseconds) override;
};

class Win32ProcessStarter final : public ProcessStarter {
 public:
  bool Start(const ProcessStart& start) override;
};

class Win32WindowMessages final : public WindowMessages {
 public:
  Win32WindowMessages() = default;
  Win32WindowMessages(const Win32WindowMessages&) = delete;
  Win32WindowMessages& operator=(const Win32WindowMessages&) = delete;
  ~Win32WindowMessages() override;
  bool ClaimInstance(std::string_view name) override;
  std::optional<WindowHandle> FindTopLevelWindow(std::string_view className) override;
  bool PostToWindow(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                    std::intptr_t lParam) override;

 private:
  void* claimed_ = nullptr;  // the mutex this process owns while it runs
};

class Win32SystemInfo final : public SystemInfo {
 public:
  SystemVersion Version() override;
  std::string ExecutablePath() override;
};

}  // namespace halvex::platform::win32
