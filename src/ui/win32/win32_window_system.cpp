#include "ui/win32/win32_window_system.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstring>

#include "ui/win32/renderer.h"

namespace halvex::ui::win32 {

namespace {

constexpr WPARAM kMoveCommand = 0xF012;  // SC_MOVE with the pointer as the mover

}  // namespace

Win32WindowSystem::Win32WindowSystem(platform::MessageBoxes& messages)
    : renderer_(std::make_unique<Renderer>()) {
  renderer_->SetErrorBox([&messages](std::string_view text) { messages.ShowError(text); });
}

Win32WindowSystem::~Win32WindowSystem() = default;

int Win32WindowSystem::RunMessageLoop() {
  MSG message;
  while (!terminated_ && GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return exitCode_;
}

void* Win32WindowSystem::NativeWindow(const Control& control) const {
  return renderer_->WindowOf(control);
}

void Win32WindowSystem::SetApplicationTitle(const std::string& title) {
  title_ = title;
}

void Win32WindowSystem::SetMainForm(Form& form) {
  mainForm_ = &form;
  renderer_->SetOwner(renderer_->EnsureWindow(form));
}

void Win32WindowSystem::Show(Form& form) {
  HWND window = renderer_->EnsureWindow(form);
  const bool wasVisible = form.visible();
  form.SetVisible(true);
  if (wasVisible) ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  UpdateWindow(window);
  form.Shown();
}

ModalResult Win32WindowSystem::ShowModal(Form& form) {
  HWND window = renderer_->EnsureWindow(form);
  HWND owner = renderer_->owner();
  if (owner != nullptr && owner != window) EnableWindow(owner, FALSE);
  form.SetModalResult(ModalResult::None);
  form.SetVisible(true);
  SetForegroundWindow(window);
  form.Shown();
  MSG message;
  while (form.visible() && form.modalResult() == ModalResult::None) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program is asked to end: the outer loop must see the request too.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (!IsDialogMessageA(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  if (owner != nullptr && owner != window) {
    EnableWindow(owner, TRUE);
    SetForegroundWindow(owner);
  }
  form.SetVisible(false);
  return form.modalResult() == ModalResult::None ? ModalResult::Cancel : form.modalResult();
}

void Win32WindowSystem::Repaint(Control& control) {
  if (HWND window = renderer_->WindowOf(control)) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
}

void Win32WindowSystem::AttachTimer(Timer& timer) {
  renderer_->AttachTimer(timer);
}

void Win32WindowSystem::ShowPopupMenu(PopupMenu& menu, Point at) {
  HMENU popup = CreatePopupMenu();
  for (std::size_t i = 0; i < menu.items.size(); ++i) {
    const MenuItem& item = menu.items[i];
    if (item.isSeparator()) {
      AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuA(popup, MF_STRING, i + 1, item.caption.c_str());
      if (item.isDefault) SetMenuDefaultItem(popup, static_cast<UINT>(i + 1), FALSE);
      if (menu.imageList != nullptr && menu.imageList->Has(item.imageIndex)) {
        MENUITEMINFOA picture{};
        picture.cbSize = sizeof picture;
        picture.fMask = MIIM_BITMAP;
        picture.hbmpItem = renderer_->gdi().PictureFor(*menu.imageList, item.imageIndex);
        SetMenuItemInfoA(popup, static_cast<UINT>(i + 1), FALSE, &picture);
      }
    }
  }
  HWND owner = renderer_->owner();
  // A menu of the notification area closes on a click elsewhere only when its owner is in
  // front.
  SetForegroundWindow(owner);
  const UINT chosen = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x,
                                     at.y, 0, owner, nullptr);
  PostMessageA(owner, WM_NULL, 0, 0);
  DestroyMenu(popup);
  if (chosen > 0 && chosen <= menu.items.size()) menu.Choose(menu.items[chosen - 1].name);
}

Point Win32WindowSystem::CursorPosition() {
  POINT point{};
  GetCursorPos(&point);
  return {point.x, point.y};
}

Size Win32WindowSystem::ScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Win32WindowSystem::BeginMoving(Form& form) {
  HWND window = renderer_->WindowOf(form);
  if (window == nullptr) return;
  ReleaseCapture();
  SendMessageA(window, WM_SYSCOMMAND, kMoveCommand, 0);
}

void Win32WindowSystem::AllowMessagesFromOtherPrograms(Form& form,
                                                       const std::vector<std::uint32_t>& messages) {
  // ChangeWindowMessageFilterEx came with Windows 7; older systems have no filter to open, so it
  // is looked up at run time rather than linked.
  using ChangeFilter = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
  HMODULE user32 = GetModuleHandleA("user32.dll");
  if (user32 == nullptr) return;
  const auto changeFilter = reinterpret_cast<ChangeFilter>(
      reinterpret_cast<void*>(GetProcAddress(user32, "ChangeWindowMessageFilterEx")));
  if (changeFilter == nullptr) return;
  constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
  HWND window = renderer_->EnsureWindow(form);
  for (const std::uint32_t message : messages) changeFilter(window, message, kAllow, nullptr);
}

bool Win32WindowSystem::AddTrayIcon(const TrayIcon& icon, Form& owner) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = renderer_->EnsureWindow(owner);
  data.uID = icon.id;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = icon.callbackMessage;
  data.hIcon = LoadIconA(GetModuleHandleA(nullptr), icon.iconResource.c_str());
  std::strncpy(data.szTip, icon.tip.c_str(), sizeof data.szTip - 1);
  return Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

void Win32WindowSystem::RemoveTrayIcon(const TrayIcon& icon, Form& owner) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = renderer_->WindowOf(owner);
  data.uID = icon.id;
  if (data.hWnd != nullptr) Shell_NotifyIconA(NIM_DELETE, &data);
}

void Win32WindowSystem::MinimizeApplication() {
  if (mainForm_ == nullptr) return;
  if (HWND window = renderer_->WindowOf(*mainForm_)) ShowWindow(window, SW_MINIMIZE);
}

void Win32WindowSystem::RestoreApplication() {
  if (mainForm_ == nullptr) return;
  HWND window = renderer_->WindowOf(*mainForm_);
  if (window == nullptr) return;
  mainForm_->SetVisible(true);
  ShowWindow(window, SW_SHOW);
  ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
}

bool Win32WindowSystem::IsApplicationMinimized() {
  if (mainForm_ == nullptr) return false;
  HWND window = renderer_->WindowOf(*mainForm_);
  return window != nullptr && (IsIconic(window) || !IsWindowVisible(window));
}

void Win32WindowSystem::HideTaskbarButton() {
  if (mainForm_ == nullptr) return;
  // A hidden window has no taskbar button; the model stays "visible", only minimized away.
  if (HWND window = renderer_->WindowOf(*mainForm_)) ShowWindow(window, SW_HIDE);
}

void Win32WindowSystem::Terminate() {
  terminated_ = true;
  PostQuitMessage(exitCode_);
}

}  // namespace halvex::ui::win32
