#pragma once
// What the renderer's files share: the model behind a window, and whether a control is a
// window of its own on the desktop.
#include <windows.h>

#include "ui/control.h"

namespace halvex::ui::win32 {

inline Control* ControlOf(HWND window) {
  return reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

inline bool IsTopLevel(const Control& control) {
  return control.kind() == ControlKind::Form && control.parent() == nullptr;
}

}  // namespace halvex::ui::win32
