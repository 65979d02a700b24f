#pragma once
// What the windows ask of the windowing system beyond their own controls: showing windows
// (modally too), popup menus, the tray icon, moving a window with the pointer, and the
// application as the taskbar sees it. The Win32 renderer implements it; tests use the
// recording window system.
#include <cstdint>
#include <vector>

#include "ui/form.h"
#include "ui/geometry.h"
#include "ui/popup_menu.h"
#include "ui/timer.h"
#include "ui/tray_icon.h"

namespace halvex::ui {

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  virtual void SetApplicationTitle(const std::string& title) = 0;
  // The window that stands for the application: minimizing, restoring and hiding the program
  // act on it, and dialogs and menus belong to it.
  virtual void SetMainForm(Form& form) = 0;

  // Creates the window's controls when they do not exist yet, and shows it.
  virtual void Show(Form& form) = 0;
  // Shows the window over the others and returns when it has a modal result or was closed.
  virtual ModalResult ShowModal(Form& form) = 0;
  // Paints the control at once, without waiting for the message loop.
  virtual void Repaint(Control& control) = 0;
  // Lets the timer tick while it is enabled.
  virtual void AttachTimer(Timer& timer) = 0;

  // Shows the menu at a point on the screen and returns when it has closed; a chosen item's
  // click is raised before.
  virtual void ShowPopupMenu(PopupMenu& menu, Point at) = 0;
  virtual Point CursorPosition() = 0;
  virtual Size ScreenSize() = 0;
  // The window follows the pointer until the button is released (the system move command).
  virtual void BeginMoving(Form& form) = 0;

  // Lets less privileged programs send the window these messages, which the system otherwise
  // drops at WM_USER and above when this program runs elevated. Nothing to do where the system
  // has no such filter.
  virtual void AllowMessagesFromOtherPrograms(Form& form,
                                              const std::vector<std::uint32_t>& messages) = 0;

  [[nodiscard]] virtual bool AddTrayIcon(const TrayIcon& icon, Form& owner) = 0;
  virtual void RemoveTrayIcon(const TrayIcon& icon, Form& owner) = 0;

  virtual void MinimizeApplication() = 0;
  // Shows the application's window again and restores it from minimized.
  virtual void RestoreApplication() = 0;
  // Minimized, or hidden in the tray.
  virtual bool IsApplicationMinimized() = 0;
  // Removes the application from the taskbar, leaving the tray icon.
  virtual void HideTaskbarButton() = 0;
  // Ends the message loop; the program ends when the running handlers have returned.
  virtual void Terminate() = 0;
  virtual bool terminated() = 0;
};

}  // namespace halvex::ui
