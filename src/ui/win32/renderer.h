#pragma once
// Mirrors control models with real windows: creates a window per control, keeps it in step with
// its model, and turns the system's notifications into the model's events. It decides nothing.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/timer.h"
#include "ui/win32/gdi_cache.h"

namespace halvex::ui::win32 {

// Posted to a form after it was activated; the activation handler may run a message loop,
// which it must not do inside the system's activation message.
inline constexpr UINT kActivatedMessage = WM_APP + 1;

class Renderer final : public ControlObserver, public TimerObserver {
 public:
  Renderer();
  ~Renderer() override;
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  // The form's window, created hidden with all its controls when it does not exist yet.
  HWND EnsureWindow(Form& form);
  HWND WindowOf(const Control& control) const;
  // Top-level windows made later belong to this one (they stay above it, off the taskbar).
  void SetOwner(HWND owner) { owner_ = owner; }
  HWND owner() const { return owner_; }
  GdiCache& gdi() { return gdi_; }
  // Shows an error that escaped a handler; the window goes on working.
  void SetErrorBox(std::function<void(std::string_view)> errorBox) {
    errorBox_ = std::move(errorBox);
  }

  void AttachTimer(Timer& timer);

  void ControlChanged(Control& control, Property property) override;
  void ChildAdded(Control& parent, Control& child) override;
  void ControlRemoved(Control& control) override;
  void TimerChanged(Timer& timer) override;
  void TimerRemoved(Timer& timer) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(Control& control, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool HandleMouse(Control& control, HWND window, UINT message, LPARAM lParam);
  void Paint(Control& control, HWND window);

  HWND Create(Control& control, HWND parent);
  void CreateChildren(Control& control, HWND window);
  // Puts the window where its model says, and its client-aligned children with it.
  void Place(Control& control);
  void ApplyRegion(Form& form, HWND window);
  // Drops the windows of the control's subtree from the map before they are destroyed.
  void Forget(Control& control);
  void AddHint(Control& control, HWND window);

  // The system's lists and text fields (renderer_lists.cpp).
  void InitializeList(Control& control, HWND window);
  void SyncList(Control& control, HWND window, Property property);
  bool HandleCommand(Control& control, HWND window, WORD code);
  bool HandleNotify(Control& control, LPARAM lParam, LRESULT& result);
  void DrawListRow(Control& control, const DRAWITEMSTRUCT& item);

  // Value controls, tabs, status bars and animations (renderer_values.cpp).
  void InitializeValue(Control& control, HWND window);
  void SyncValue(Control& control, HWND window);
  bool HandleValueCommand(Control& control, HWND window, WORD code);
  bool HandleValueNotify(Control& control, LPARAM lParam);
  // Puts a tab control's page into the area below its tabs.
  void PlaceTabPage(Control& page, HWND window);
  static LRESULT CALLBACK ListBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR data);
  // A list view's presses on rows reach the model first, which may take them (onRowPress).
  static LRESULT CALLBACK ListViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR data);

  std::map<const Control*, HWND> windows_;
  std::set<Timer*> timers_;
  HWND timerWindow_ = nullptr;
  HWND owner_ = nullptr;
  HWND tooltip_ = nullptr;
  // True while the renderer pushes a model's state into its list: the notifications that
  // causes are the renderer's own and not the user's.
  bool applying_ = false;
  std::string textBuffer_;  // text handed to a virtual list view until it asks again
  std::map<const Control*, std::vector<HTREEITEM>> treeItems_;  // a tree's items, by node
  // Windows that belong to a control besides its own (a number box's arrows).
  std::map<const Control*, HWND> companions_;
  const Control* tracking_ = nullptr;  // the control the pointer is over
  std::function<void(std::string_view)> errorBox_;
  GdiCache gdi_;
};

}  // namespace halvex::ui::win32
