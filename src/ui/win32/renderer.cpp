#include "ui/win32/renderer.h"

#include <commctrl.h>

#include <string>

#include "ui/button.h"
#include "ui/edit.h"
#include "ui/list_view.h"
#include "ui/win32/renderer_support.h"

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

bool IsSystemDrawn(const Control& control) {
  switch (control.kind()) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::ListView:
    case ControlKind::ListBox:
    case ControlKind::Edit:
    case ControlKind::TabControl:
    case ControlKind::ProgressBar:
    case ControlKind::StatusBar:
    case ControlKind::SpinEdit:
    case ControlKind::TimePicker:
    case ControlKind::TreeView:
    case ControlKind::Animation:
      return true;
    default:
      return false;
  }
}

bool IsList(const Control& control) {
  return control.kind() == ControlKind::ListView || control.kind() == ControlKind::ListBox ||
         control.kind() == ControlKind::TreeView;
}

bool IsTabPage(const Control& control) {
  return control.parent() != nullptr && control.parent()->kind() == ControlKind::TabControl &&
         control.align() == Align::Client;
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
    case ControlKind::RadioButton:
      style |= WS_TABSTOP | BS_RADIOBUTTON;
      return "BUTTON";
    case ControlKind::TabControl:
      style |= WS_TABSTOP | WS_CLIPCHILDREN;
      return WC_TABCONTROLA;
    case ControlKind::ProgressBar:
      return PROGRESS_CLASSA;
    case ControlKind::StatusBar:
      // Placed where the model says, not glued to the parent's foot by the system.
      style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
      return STATUSCLASSNAMEA;
    case ControlKind::SpinEdit:
      style |= WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL;
      exStyle |= WS_EX_CLIENTEDGE;
      return "EDIT";
    case ControlKind::TimePicker:
      style |= WS_TABSTOP | DTS_TIMEFORMAT | DTS_UPDOWN;
      return DATETIMEPICK_CLASSA;
    case ControlKind::TreeView:
      style |= WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
      exStyle |= WS_EX_CLIENTEDGE;
      return WC_TREEVIEWA;
    case ControlKind::Animation:
      style |= ACS_TRANSPARENT | ACS_CENTER;
      return ANIMATE_CLASSA;
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
    default:
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

}  // namespace

Renderer::Renderer() {
  RegisterClassOnce(kViewClass, WindowProc, false);
  RegisterClassOnce(kFormClass, WindowProc, true);
  RegisterClassOnce(kTimerClass, TimerProc, false);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES |
                                                     ICC_PROGRESS_CLASS | ICC_BAR_CLASSES |
                                                     ICC_UPDOWN_CLASS | ICC_DATE_CLASSES |
                                                     ICC_TREEVIEW_CLASSES | ICC_ANIMATE_CLASS};
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
    // A form embedded in another (a tool window in the Advanced sheet) keeps its own class, so
    // that it can be found as the window it is.
    if (control.kind() == ControlKind::Form) {
      const auto& form = static_cast<const Form&>(control);
      if (!form.windowClass().empty()) {
        className = form.windowClass().c_str();
        RegisterClassOnce(className, WindowProc, false);
      }
    }
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
    if (control.kind() == ControlKind::CheckBox || control.kind() == ControlKind::RadioButton) {
      SendMessageA(window, BM_SETCHECK,
                   static_cast<CheckBox&>(control).checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    if (IsList(control)) {
      InitializeList(control, window);
    } else {
      InitializeValue(control, window);
    }
  }
  if (IsTabPage(control)) PlaceTabPage(control, window);
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
  } else if (IsTabPage(control)) {
    PlaceTabPage(control, window);
  } else {
    SetWindowPos(window, nullptr, bounds.left, bounds.top, bounds.width(), bounds.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (const auto companion = companions_.find(&control); companion != companions_.end()) {
      // The arrows follow their field.
      SendMessageA(companion->second, UDM_SETBUDDY, reinterpret_cast<WPARAM>(window), 0);
    }
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
  switch (property) {
    case Property::Caption:
      SetWindowTextA(window, control.caption().c_str());
      InvalidateRect(window, nullptr, FALSE);
      // A page's caption is its tab's.
      if (IsTabPage(control)) {
        if (HWND tabs = WindowOf(*control.parent())) SyncValue(*control.parent(), tabs);
      }
      break;
    case Property::Visible:
      if (control.visible() && !IsTopLevel(control)) {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      }
      ShowWindow(window, control.visible() ? (IsTopLevel(control) ? SW_SHOW : SW_SHOWNA) : SW_HIDE);
      if (const auto companion = companions_.find(&control); companion != companions_.end()) {
        ShowWindow(companion->second, control.visible() ? SW_SHOWNA : SW_HIDE);
      }
      if (!control.visible() && &control == tracking_) tracking_ = nullptr;
      break;
    case Property::Enabled:
      EnableWindow(window, control.enabled());
      if (const auto companion = companions_.find(&control); companion != companions_.end()) {
        EnableWindow(companion->second, control.enabled());
      }
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
    case Property::Value:
      SyncValue(control, window);
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
  if (const auto companion = companions_.find(&control); companion != companions_.end()) {
    DestroyWindow(companion->second);
    companions_.erase(companion);
  }
  treeItems_.erase(&control);
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

}  // namespace halvex::ui::win32
