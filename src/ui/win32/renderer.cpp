#include "ui/win32/renderer.h"

#include <commctrl.h>
#include <windowsx.h>

#include <exception>
#include <string>

#include "ui/button.h"
#include "ui/edit.h"
#include "ui/list_view.h"
#include "ui/win32/win32_canvas.h"

namespace halvex::ui::win32 {

namespace {

constexpr const char* kViewClass = "HalvexView";
constexpr const char* kFormClass = "HalvexForm";
constexpr const char* kTimerClass = "HalvexTimers";

void RegisterClassOnce(const char* name, WNDPROC procedure, bool withIcon) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(GetModuleHandleA(nullptr), name, &existing)) return;
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
  if (withIcon) {
    windowClass.hIcon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    windowClass.hIconSm = windowClass.hIcon;
  }
  windowClass.lpszClassName = name;
  RegisterClassExA(&windowClass);
}

Control* ControlOf(HWND window) {
  return reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool IsTopLevel(const Control& control) {
  return control.kind() == ControlKind::Form && control.parent() == nullptr;
}

bool IsSystemDrawn(const Control& control) {
  switch (control.kind()) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::ListView:
    case ControlKind::ListBox:
    case ControlKind::Edit:
    case ControlKind::PageControl:
    case ControlKind::TimePicker:
      return true;
    default:
      return false;
  }
}

// The system's window class of a child control, with the styles that make it look and behave
// as the model says.
const char* ChildClass(Control& control, DWORD& style, DWORD& exStyle) {
  switch (control.kind()) {
    case ControlKind::Button:
      style |=
          WS_TABSTOP | (static_cast<Button&>(control).isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
      return "BUTTON";
    case ControlKind::CheckBox:
      // Text that does not fit on one line wraps, as a taller box leaves room for.
      style |= WS_TABSTOP | BS_CHECKBOX | BS_MULTILINE;
      return "BUTTON";
    case ControlKind::ListView:
      style |= WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL;
      if (static_cast<ListView&>(control).isVirtual()) style |= LVS_OWNERDATA;
      exStyle |= WS_EX_CLIENTEDGE;
      return WC_LISTVIEWA;
    case ControlKind::ListBox:
      // Rows without text, drawn by the program.
      style |= WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NODATA | LBS_NOTIFY |
               LBS_NOINTEGRALHEIGHT;
      exStyle |= WS_EX_CLIENTEDGE;
      return "LISTBOX";
    case ControlKind::Edit: {
      const auto& edit = static_cast<Edit&>(control);
      style |= WS_TABSTOP |
               (edit.multiLine() ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL
                                 : ES_AUTOHSCROLL);
      if (edit.readOnly()) style |= ES_READONLY;
      exStyle |= WS_EX_CLIENTEDGE;
      return "EDIT";
    }
    case ControlKind::PageControl:
      style |= WS_TABSTOP | WS_CLIPCHILDREN;
      return WC_TABCONTROLA;
    case ControlKind::TimePicker:
      style |= WS_TABSTOP | DTS_TIMEFORMAT | DTS_UPDOWN;
      return DATETIMEPICK_CLASSA;
    default:
      // Panels, labels, pictures, group frames, and the frame of a number box.
      style |= WS_CLIPCHILDREN;
      return kViewClass;
  }
}

// The window's outer rectangle for a client area at `client`, as the frame style needs.
RECT OuterRect(DWORD style, DWORD exStyle, const Rect& client) {
  RECT outer{client.left, client.top, client.right, client.bottom};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  return outer;
}

DWORD FormStyle(const Form& form) {
  if (form.borderStyle == BorderStyle::Dialog) {
    return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | DS_MODALFRAME;
  }
  // Borderless, yet minimizable from the taskbar.
  return WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
}

DWORD FormExStyle(const Form& form) {
  DWORD exStyle = form.borderStyle == BorderStyle::Dialog ? WS_EX_DLGMODALFRAME : 0;
  if (form.alwaysOnTop) exStyle |= WS_EX_TOPMOST;
  return exStyle;
}

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

}  // namespace

Renderer::Renderer() {
  RegisterClassOnce(kViewClass, WindowProc, false);
  RegisterClassOnce(kFormClass, WindowProc, true);
  RegisterClassOnce(kTimerClass, TimerProc, false);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES |
                                                     ICC_DATE_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
  timerWindow_ = CreateWindowExA(0, kTimerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(timerWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Renderer::~Renderer() {
  for (Timer* timer : timers_) timer->SetObserver(nullptr);
  for (auto& [control, window] : windows_) {
    const_cast<Control*>(control)->SetObserver(nullptr);
  }
  if (timerWindow_ != nullptr) DestroyWindow(timerWindow_);
  if (tooltip_ != nullptr) DestroyWindow(tooltip_);
}

HWND Renderer::WindowOf(const Control& control) const {
  const auto found = windows_.find(&control);
  return found == windows_.end() ? nullptr : found->second;
}

HWND Renderer::EnsureWindow(Form& form) {
  if (HWND existing = WindowOf(form)) return existing;
  return Create(form, nullptr);
}

HWND Renderer::Create(Control& control, HWND parent) {
  const Rect bounds = control.PlacedBounds();
  HWND window = nullptr;
  if (IsTopLevel(control)) {
    auto& form = static_cast<Form&>(control);
    // Each window class other programs look for is registered under its own name.
    const char* className = form.windowClass().empty() ? kFormClass : form.windowClass().c_str();
    RegisterClassOnce(className, WindowProc, true);
    const DWORD style = FormStyle(form);
    const DWORD exStyle = FormExStyle(form);
    Rect client = bounds;
    if (form.centred) {
      client = Rect::At((GetSystemMetrics(SM_CXSCREEN) - bounds.width()) / 2,
                        (GetSystemMetrics(SM_CYSCREEN) - bounds.height()) / 2, bounds.width(),
                        bounds.height());
    }
    const RECT outer = OuterRect(style, exStyle, client);
    window = CreateWindowExA(exStyle, className, form.caption().c_str(), style, outer.left,
                             outer.top, outer.right - outer.left, outer.bottom - outer.top, owner_,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
  } else {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (control.visible() ? WS_VISIBLE : 0);
    if (!control.enabled()) style |= WS_DISABLED;
    DWORD exStyle = 0;
    const char* className = ChildClass(control, style, exStyle);
    window = CreateWindowExA(exStyle, className, control.caption().c_str(), style, bounds.left,
                             bounds.top, bounds.width(), bounds.height(), parent, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr) return nullptr;
    // Later siblings lie above earlier ones, as the model lists them.
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (window == nullptr) return nullptr;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&control));
  windows_[&control] = window;
  control.SetObserver(this);
  if (IsSystemDrawn(control)) {
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(gdi_.FontFor(control.font())), FALSE);
    if (control.kind() == ControlKind::CheckBox) {
      SendMessageA(window, BM_SETCHECK,
                   static_cast<CheckBox&>(control).checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    InitializeList(control, window);
  }
  InitializeOptionControl(control, window);
  AddHint(control, window);
  if (control.kind() == ControlKind::Form) ApplyRegion(static_cast<Form&>(control), window);
  CreateChildren(control, window);
  return window;
}

void Renderer::CreateChildren(Control& control, HWND window) {
  for (Control* child : control.children()) Create(*child, window);
}

void Renderer::Place(Control& control) {
  HWND window = WindowOf(control);
  if (window == nullptr) return;
  const Rect bounds = control.PlacedBounds();
  if (IsTopLevel(control)) {
    RECT current;
    GetClientRect(window, &current);
    if (current.right != bounds.width() || current.bottom != bounds.height()) {
      auto& form = static_cast<Form&>(control);
      const RECT outer = OuterRect(FormStyle(form), FormExStyle(form),
                                   Rect::At(0, 0, bounds.width(), bounds.height()));
      SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  } else {
    SetWindowPos(window, nullptr, bounds.left, bounds.top, bounds.width(), bounds.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  for (Control* child : control.children()) {
    if (child->align() == Align::Client) Place(*child);
  }
}

void Renderer::ApplyRegion(Form& form, HWND window) {
  if (!form.region()) {
    SetWindowRgn(window, nullptr, TRUE);
    return;
  }
  const RoundedRegion& region = *form.region();
  // The region's right and bottom edges are exclusive, as the model's are.
  HRGN shape =
      CreateRoundRectRgn(region.area.left, region.area.top, region.area.right + 1,
                         region.area.bottom + 1, region.ellipseWidth, region.ellipseHeight);
  SetWindowRgn(window, shape, TRUE);  // the system owns the region from now on
}

void Renderer::ControlChanged(Control& control, Property property) {
  HWND window = WindowOf(control);
  if (window == nullptr) return;
  SyncOptionControl(control, window, property);
  switch (property) {
    case Property::Caption:
      SetWindowTextA(window, control.caption().c_str());
      InvalidateRect(window, nullptr, FALSE);
      break;
    case Property::Visible:
      if (control.visible() && !IsTopLevel(control)) {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      }
      ShowWindow(window, control.visible() ? (IsTopLevel(control) ? SW_SHOW : SW_SHOWNA) : SW_HIDE);
      if (!control.visible() && &control == tracking_) tracking_ = nullptr;
      break;
    case Property::Enabled:
      EnableWindow(window, control.enabled());
      break;
    case Property::Bounds:
      Place(control);
      break;
    case Property::Font:
      if (IsSystemDrawn(control)) {
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(gdi_.FontFor(control.font())),
                     TRUE);
      }
      InvalidateRect(window, nullptr, FALSE);
      break;
    case Property::Checked:
      SendMessageA(window, BM_SETCHECK,
                   static_cast<CheckBox&>(control).checked() ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case Property::Region:
      ApplyRegion(static_cast<Form&>(control), window);
      break;
    case Property::Columns:
    case Property::Items:
    case Property::Selection:
      SyncList(control, window, property);
      break;
    case Property::ReadOnly:
      SendMessageA(window, EM_SETREADONLY, static_cast<Edit&>(control).readOnly(), 0);
      break;
    case Property::Value:
      break;  // SyncOptionControl did it
    case Property::Color:
    case Property::Image:
    case Property::Look:
      if (control.kind() == ControlKind::ListView) SyncList(control, window, property);
      InvalidateRect(window, nullptr, FALSE);
      break;
  }
}

void Renderer::ChildAdded(Control& parent, Control& child) {
  HWND parentWindow = WindowOf(parent);
  if (parentWindow != nullptr && WindowOf(child) == nullptr) Create(child, parentWindow);
}

void Renderer::Forget(Control& control) {
  if (HWND window = WindowOf(control)) {
    if (!control.hint.empty() && tooltip_ != nullptr) {
      TOOLINFOA tool{};
      tool.cbSize = sizeof tool;
      tool.hwnd = GetParent(window);
      tool.uId = reinterpret_cast<UINT_PTR>(window);
      SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    // Messages sent while the window goes must not reach a model that is being destroyed.
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    windows_.erase(&control);
  }
  if (tracking_ == &control) tracking_ = nullptr;
  for (Control* child : control.children()) Forget(*child);
}

void Renderer::AddHint(Control& control, HWND window) {
  if (control.hint.empty() || tooltip_ == nullptr) return;
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(window);
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = const_cast<char*>(control.hint.c_str());
  SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Renderer::ControlRemoved(Control& control) {
  HWND window = WindowOf(control);
  Forget(control);
  // Destroying the window destroys its children's windows too.
  if (window != nullptr) DestroyWindow(window);
}

void Renderer::AttachTimer(Timer& timer) {
  timers_.insert(&timer);
  timer.SetObserver(this);
  TimerChanged(timer);
}

void Renderer::TimerChanged(Timer& timer) {
  const auto id = reinterpret_cast<UINT_PTR>(&timer);
  if (timer.enabled()) {
    SetTimer(timerWindow_, id, timer.interval(), nullptr);
  } else {
    KillTimer(timerWindow_, id);
  }
}

void Renderer::TimerRemoved(Timer& timer) {
  KillTimer(timerWindow_, reinterpret_cast<UINT_PTR>(&timer));
  timers_.erase(&timer);
}

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
      if (lParam != 0 && HandleOptionCommand(control, window, wParam, lParam)) return 0;
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
        if (HandleOptionNotify(*child, lParam)) return 0;
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
