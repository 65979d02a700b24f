// The renderer's part for value controls and the rest of the system's common controls: text
// fields, number boxes with arrows, time pickers, progress and status bars, tab controls and
// the system's animations.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>

#include <string>

#include "ui/animation.h"
#include "ui/edit.h"
#include "ui/notebook.h"
#include "ui/progress_bar.h"
#include "ui/spin_edit.h"
#include "ui/status_bar.h"
#include "ui/time_picker.h"
#include "ui/win32/renderer.h"

namespace halvex::ui::win32 {

namespace {

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void SyncTabs(const TabControl& tabs, HWND window) {
  SendMessageA(window, TCM_DELETEALLITEMS, 0, 0);
  int index = 0;
  for (const Control* page : tabs.children()) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(page->caption().c_str());
    SendMessageA(window, TCM_INSERTITEMA, index++, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(window, TCM_SETCURSEL, tabs.pageIndex(), 0);
}

void SyncStatus(const StatusBar& bar, HWND window) {
  std::vector<int> edges;
  int right = 0;
  for (std::size_t i = 0; i < bar.panels().size(); ++i) {
    right += bar.panels()[i].width;
    edges.push_back(i + 1 == bar.panels().size() ? -1 : right);
  }
  SendMessageA(window, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (std::size_t i = 0; i < bar.panels().size(); ++i) {
    SendMessageA(window, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(bar.panels()[i].text.c_str()));
  }
}

void SyncTime(const TimePicker& picker, HWND window) {
  SYSTEMTIME time{};
  GetLocalTime(&time);
  time.wHour = static_cast<WORD>(picker.hour());
  time.wMinute = static_cast<WORD>(picker.minute());
  time.wSecond = 0;
  time.wMilliseconds = 0;
  SendMessageA(window, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

void SyncAnimation(const Animation& animation, HWND window) {
  if (animation.active()) {
    SendMessageA(window, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, 0xFFFF));
  } else {
    SendMessageA(window, ACM_STOP, 0, 0);
  }
}

}  // namespace

void Renderer::InitializeValue(Control& control, HWND window) {
  switch (control.kind()) {
    case ControlKind::SpinEdit: {
      // The arrows are a window of their own that sits at the field's right edge.
      const auto& spin = static_cast<const SpinEdit&>(control);
      HWND arrows = CreateWindowExA(0, UPDOWN_CLASSA, nullptr,
                                    WS_CHILD | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS |
                                        UDS_NOTHOUSANDS | (control.visible() ? WS_VISIBLE : 0),
                                    0, 0, 0, 0, GetParent(window), nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
      if (arrows != nullptr) {
        companions_[&control] = arrows;
        SendMessageA(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(window), 0);
        SendMessageA(arrows, UDM_SETRANGE32, spin.minimum(), spin.maximum());
        if (!control.enabled()) EnableWindow(arrows, FALSE);
      }
      break;
    }
    case ControlKind::TimePicker:
      SendMessageA(window, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("HH:mm"));
      break;
    case ControlKind::Animation: {
      // The standard animations are resources of the shell's library.
      HMODULE shell = GetModuleHandleA("shell32.dll");
      if (shell == nullptr) shell = LoadLibraryA("shell32.dll");
      const auto id = static_cast<int>(static_cast<const Animation&>(control).animation());
      SendMessageA(window, ACM_OPENA, reinterpret_cast<WPARAM>(shell),
                   reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(id)));
      break;
    }
    default:
      break;
  }
  SyncValue(control, window);
}

void Renderer::SyncValue(Control& control, HWND window) {
  const bool wasApplying = applying_;
  applying_ = true;
  switch (control.kind()) {
    case ControlKind::TabControl:
      SyncTabs(static_cast<const TabControl&>(control), window);
      break;
    case ControlKind::ProgressBar: {
      const auto& bar = static_cast<const ProgressBar&>(control);
      SendMessageA(window, PBM_SETRANGE32, 0, bar.maximum());
      SendMessageA(window, PBM_SETPOS, bar.position(), 0);
      break;
    }
    case ControlKind::StatusBar:
      SyncStatus(static_cast<const StatusBar&>(control), window);
      break;
    case ControlKind::SpinEdit:
      if (const auto arrows = companions_.find(&control); arrows != companions_.end()) {
        SendMessageA(arrows->second, UDM_SETPOS32, 0,
                     static_cast<const SpinEdit&>(control).value());
      }
      SetWindowTextA(window, std::to_string(static_cast<const SpinEdit&>(control).value()).c_str());
      break;
    case ControlKind::TimePicker:
      SyncTime(static_cast<const TimePicker&>(control), window);
      break;
    case ControlKind::Animation:
      SyncAnimation(static_cast<const Animation&>(control), window);
      break;
    default:
      break;
  }
  applying_ = wasApplying;
}

bool Renderer::HandleValueCommand(Control& control, HWND window, WORD code) {
  if (code != EN_CHANGE || applying_) return false;
  switch (control.kind()) {
    case ControlKind::Edit:
      static_cast<Edit&>(control).SetText(WindowText(window));
      return true;
    case ControlKind::SpinEdit:
      static_cast<SpinEdit&>(control).TextTyped(WindowText(window));
      return true;
    default:
      return false;
  }
}

bool Renderer::HandleValueNotify(Control& control, LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  switch (control.kind()) {
    case ControlKind::TabControl:
      if (header->code != static_cast<UINT>(TCN_SELCHANGE)) return false;
      if (!applying_) {
        static_cast<TabControl&>(control).PageChosen(
            static_cast<int>(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
      }
      return true;
    case ControlKind::TimePicker: {
      if (header->code != static_cast<UINT>(DTN_DATETIMECHANGE)) return false;
      const auto* change = reinterpret_cast<const NMDATETIMECHANGE*>(lParam);
      if (!applying_ && change->dwFlags == GDT_VALID) {
        (void)static_cast<TimePicker&>(control).SetTime(change->st.wHour, change->st.wMinute);
      }
      return true;
    }
    default:
      return false;
  }
}

void Renderer::PlaceTabPage(Control& page, HWND window) {
  HWND tabs = WindowOf(*page.parent());
  if (tabs == nullptr) return;
  RECT area;
  GetClientRect(tabs, &area);
  SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  SetWindowPos(window, HWND_TOP, area.left, area.top, area.right - area.left,
               area.bottom - area.top, SWP_NOACTIVATE);
}

}  // namespace halvex::ui::win32
