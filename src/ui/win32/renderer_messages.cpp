// The renderer's window procedures: the system's messages turned into model events, and the
// painting of the controls the program draws itself.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <windowsx.h>

#include <exception>

#include "ui/win32/renderer.h"
#include "ui/win32/renderer_support.h"
#include "ui/win32/win32_canvas.h"

namespace halvex::ui::win32 {

namespace {

MouseButton ButtonOf(UINT message) {
  switch (message) {
    case WM_RBUTTONDOWN:
      return MouseButton::Right;
    case WM_MBUTTONDOWN:
      return MouseButton::Middle;
    default:
      return MouseButton::Left;
  }
}

// The message the taskbar broadcasts to the top-level windows when it (re)starts; the system
// numbers it at run time.
UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

}  // namespace

LRESULT CALLBACK Renderer::TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* renderer = reinterpret_cast<Renderer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_TIMER && renderer != nullptr) {
    auto* timer = reinterpret_cast<Timer*>(wParam);
    try {
      if (renderer->timers_.contains(timer)) timer->Tick();
    } catch (const std::exception& error) {
      if (renderer->errorBox_) renderer->errorBox_(error.what());
    }
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK Renderer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Control* control = ControlOf(window);
  if (control == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  auto* renderer = static_cast<Renderer*>(control->observer());
  if (renderer == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  // An error must not unwind through the system's code; like the application's standard
  // handling, it is shown and the program goes on.
  try {
    return renderer->Handle(*control, window, message, wParam, lParam);
  } catch (const std::exception& error) {
    if (renderer->errorBox_) renderer->errorBox_(error.what());
    return 0;
  }
}

void Renderer::Paint(Control& control, HWND window) {
  PAINTSTRUCT paint;
  HDC target = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  // Painted off screen first, so that hovering does not flicker.
  HDC buffer = CreateCompatibleDC(target);
  HBITMAP surface = CreateCompatibleBitmap(target, client.right, client.bottom);
  HGDIOBJ old = SelectObject(buffer, surface);
  Win32Canvas canvas(buffer, gdi_);
  canvas.FillRect(Rect::At(0, 0, client.right, client.bottom), control.EffectiveColor());
  control.Paint(canvas);
  BitBlt(target, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, old);
  DeleteObject(surface);
  DeleteDC(buffer);
  EndPaint(window, &paint);
}

bool Renderer::HandleMouse(Control& control, HWND window, UINT message, LPARAM lParam) {
  const Point at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_MOUSEMOVE:
      if (tracking_ != &control) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        tracking_ = &control;
        control.MouseEnter();
      }
      return true;
    case WM_MOUSELEAVE:
      if (tracking_ == &control) tracking_ = nullptr;
      control.MouseLeave();
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetCapture(window);
      control.MouseDown(MouseButton::Left, at);
      return true;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      control.MouseDown(ButtonOf(message), at);
      return true;
    case WM_LBUTTONUP: {
      const bool captured = GetCapture() == window;
      if (captured) ReleaseCapture();
      RECT client;
      GetClientRect(window, &client);
      // A press that moved the window ends elsewhere; a release over the control clicks it.
      if (captured && at.x >= 0 && at.y >= 0 && at.x < client.right && at.y < client.bottom) {
        control.Click();
      }
      return true;
    }
    default:
      return false;
  }
}

LRESULT Renderer::Handle(Control& control, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam) {
  if (HandleMouse(control, window, message, lParam)) return 0;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint(control, window);
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && control.onClick && control.enabled()) {
        SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));  // the hand
        return TRUE;
      }
      break;
    case WM_COMMAND:
      if (lParam != 0) {
        if (Control* child = ControlOf(reinterpret_cast<HWND>(lParam))) {
          if (HandleCommand(*child, reinterpret_cast<HWND>(lParam), HIWORD(wParam))) return 0;
        }
      }
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (Control* child = ControlOf(header->hwndFrom)) {
        LRESULT result = 0;
        if (HandleNotify(*child, lParam, result)) return result;
      }
      break;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (Control* child = ControlOf(item->hwndItem)) {
        DrawListRow(*child, *item);
        return TRUE;
      }
      break;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      if (Control* child = ControlOf(reinterpret_cast<HWND>(lParam))) {
        const Color background = child->EffectiveColor();
        SetBkColor(reinterpret_cast<HDC>(wParam), ToColorRef(background));
        SetTextColor(reinterpret_cast<HDC>(wParam), ToColorRef(child->font().color));
        return reinterpret_cast<LRESULT>(gdi_.BrushFor(background));
      }
      break;
    default:
      break;
  }
  if (control.kind() == ControlKind::Form) {
    auto& form = static_cast<Form&>(control);
    switch (message) {
      case WM_CLOSE:
        form.Close();
        return 0;
      case WM_COMMAND:
        // Enter and Escape in a modal dialog, as the dialog manager reports them.
        if (lParam == 0 && LOWORD(wParam) == IDCANCEL) {
          form.Close();
          return 0;
        }
        if (lParam == 0 && LOWORD(wParam) == IDOK) {
          (void)form.EnterPressed();
          return 0;
        }
        break;
      case WM_SIZE:
        if (wParam != SIZE_MINIMIZED && IsTopLevel(form)) {
          const Size size{LOWORD(lParam), HIWORD(lParam)};
          if (size != form.bounds().size()) form.Resized(size);
        }
        return 0;
      case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) PostMessageA(window, kActivatedMessage, 0, 0);
        break;
      case kActivatedMessage:
        form.Activated();
        return 0;
      default:
        if (message == TaskbarCreatedMessage()) {
          form.TaskbarCreated();
          break;
        }
        // Messages the program numbers itself, such as the tray's and the restore message.
        if (message >= WM_USER && message < 0xC000 && message != kActivatedMessage &&
            form.HandleMessage(message, wParam, lParam)) {
          return 0;
        }
        break;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace halvex::ui::win32
