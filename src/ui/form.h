#pragma once
// A window: the program's main window, a dialog, the splash, or a tool window embedded in
// another window's panel.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "ui/button.h"
#include "ui/control.h"

namespace halvex::ui {

enum class BorderStyle { None, Dialog };

// A window region: a rectangle with rounded corners over the client area grown by `margin`
// pixels in each direction.
struct RoundedRegion {
  int ellipseWidth = 0;
  int ellipseHeight = 0;
  int margin = 0;
  Rect area;  // in client coordinates
  friend bool operator==(const RoundedRegion&, const RoundedRegion&) = default;
};

// What closing does with the window.
enum class CloseAction { None, Hide };

class Form : public Control {
 public:
  // `windowClass` is the class name other programs find the window by; empty gives the
  // renderer's own.
  Form(std::string name, std::string windowClass = {});

  const std::string& windowClass() const { return windowClass_; }

  BorderStyle borderStyle = BorderStyle::None;
  bool alwaysOnTop = false;
  bool centred = true;  // placed at the screen's centre when first shown

  const std::optional<RoundedRegion>& region() const { return region_; }
  // A rounded region fitted to the current client size.
  void SetRoundedRegion(int ellipseWidth, int ellipseHeight, int margin);

  ModalResult modalResult() const { return modalResult_; }
  void SetModalResult(ModalResult result);

  // Events the window raises.
  std::function<void()> onShow;
  std::function<void()> onActivate;
  std::function<void()> onResize;
  std::function<void(CloseAction&)> onClose;
  // Messages numbered by the program (0x400 and above) that reach the window; true when the
  // handler took the message.
  std::function<bool(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)> onMessage;
  // The taskbar (re)started and holds no notification icons: a window with one adds it again.
  std::function<void()> onTaskbarCreated;

  // Entry points of the renderer (and of tests), each raising its event.
  void Shown();
  void Activated();
  void Resized(Size clientSize);
  // Asks the window to close: raises onClose with "hide" as the proposed action.
  void Close();
  bool HandleMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
  void TaskbarCreated();
  // The Enter key in the window: clicks its default button. False when it has none, or the
  // button takes no click (hidden or disabled).
  bool EnterPressed();

  // The button Enter presses: the first one marked isDefault among the window's controls, in
  // the order they were added; nullptr when there is none.
  Button* DefaultButton();

 private:
  std::string windowClass_;
  std::optional<RoundedRegion> region_;
  ModalResult modalResult_ = ModalResult::None;
};

}  // namespace halvex::ui
