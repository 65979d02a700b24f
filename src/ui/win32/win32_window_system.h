#pragma once
// The window system over Win32: renders the windows' models with real controls and runs the
// message loop. Front ends create one and keep it for the whole run.
#include <memory>
#include <string>

#include "platform/message_boxes.h"

#include "ui/window_system.h"

namespace halvex::ui::win32 {

class Renderer;

class Win32WindowSystem final : public WindowSystem {
 public:
  // An error that escapes a handler is shown by `messages`' standard error box.
  explicit Win32WindowSystem(platform::MessageBoxes& messages);
  ~Win32WindowSystem() override;

  // Runs the message loop until Terminate; answers the exit code.
  int RunMessageLoop();
  // The window (HWND) that shows the control; null when it has none. For tests that check the
  // real controls against their models.
  void* NativeWindow(const Control& control) const;

  void SetApplicationTitle(const std::string& title) override;
  void SetMainForm(Form& form) override;
  void Show(Form& form) override;
  ModalResult ShowModal(Form& form) override;
  void Repaint(Control& control) override;
  void AttachTimer(Timer& timer) override;
  void ShowPopupMenu(PopupMenu& menu, Point at) override;
  Point CursorPosition() override;
  Size ScreenSize() override;
  void BeginMoving(Form& form) override;
  void AllowMessagesFromOtherPrograms(Form& form,
                                      const std::vector<std::uint32_t>& messages) override;
  bool AddTrayIcon(const TrayIcon& icon, Form& owner) override;
  void RemoveTrayIcon(const TrayIcon& icon, Form& owner) override;
  void MinimizeApplication() override;
  void RestoreApplication() override;
  bool IsApplicationMinimized() override;
  void HideTaskbarButton() override;
  void Terminate() override;
  bool terminated() override { return terminated_; }

 private:
  std::unique_ptr<Renderer> renderer_;
  Form* mainForm_ = nullptr;
  std::string title_;
  bool terminated_ = false;
  int exitCode_ = 0;
};

}  // namespace halvex::ui::win32
