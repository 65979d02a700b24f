// The renderer's part for the controls of settings dialogs: the tab row of a page control, the
// number box (a text field with an up-down control inside a window of the program's own), and
// the time picker.
#include "ui/win32/renderer.h"
// After <windows.h>, which the renderer's header brings.
#include <commctrl.h>

#include <string>

#include "ui/page_control.h"
#include "ui/spin_edit.h"
#include "ui/time_picker.h"

namespace halvex::ui::win32 {

namespace {

// The up-down control's width beside the number box's text field.
constexpr int kArrowsWidth = 17;

SYSTEMTIME TimeOf(const TimePicker& picker) {
  SYSTEMTIME time{};
  // The date is never shown; any valid one does.
  time.wYear = 2000;
  time.wMonth = 1;
  time.wDay = 1;
  time.wHour = static_cast<WORD>(picker.hour());
  time.wMinute = static_cast<WORD>(picker.minute());
  return time;
}

HWND FieldOf(HWND spinEdit) {
  return FindWindowExA(spinEdit, nullptr, "EDIT", nullptr);
}
HWND ArrowsOf(HWND spinEdit) {
  return FindWindowExA(spinEdit, nullptr, UPDOWN_CLASSA, nullptr);
}

int IndexAmongSiblings(const Control& control) {
  const auto& siblings = control.parent()->children();
  for (std::size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i] == &control) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

void Renderer::InitializeOptionControl(Control& control, HWND window) {
  const bool wasApplying = applying_;
  applying_ = true;
  switch (control.kind()) {
    case ControlKind::SpinEdit: {
      const auto& spin = static_cast<const SpinEdit&>(control);
      const Rect bounds = control.PlacedBounds();
      HWND field = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", control.caption().c_str(),
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL,
                                   0, 0, bounds.width() - kArrowsWidth, bounds.height(), window,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
      SendMessageA(field, WM_SETFONT, reinterpret_cast<WPARAM>(gdi_.FontFor(control.font())),
                   FALSE);
      HWND arrows =
          CreateWindowExA(0, UPDOWN_CLASSA, nullptr,
                          WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS |
                              UDS_NOTHOUSANDS,
                          0, 0, 0, 0, window, nullptr, GetModuleHandleA(nullptr), nullptr);
      SendMessageA(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(field), 0);
      SendMessageA(arrows, UDM_SETRANGE32, spin.minimum(), spin.maximum());
      SendMessageA(arrows, UDM_SETPOS32, 0, spin.value());
      EnableWindow(field, control.enabled());
      EnableWindow(arrows, control.enabled());
      break;
    }
    case ControlKind::TimePicker: {
      SendMessageA(window, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("HH':'mm"));
      SYSTEMTIME time = TimeOf(static_cast<const TimePicker&>(control));
      SendMessageA(window, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
      break;
    }
    default:
      break;
  }
  // A page of a page control has its tab.
  if (control.parent() != nullptr && control.parent()->kind() == ControlKind::PageControl) {
    if (HWND tabs = WindowOf(*control.parent())) {
      const int index = IndexAmongSiblings(control);
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<char*>(control.caption().c_str());
      SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&item));
      if (index == static_cast<const PageControl*>(control.parent())->pageIndex()) {
        SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
      }
    }
  }
  applying_ = wasApplying;
}

void Renderer::SyncOptionControl(Control& control, HWND window, Property property) {
  const bool wasApplying = applying_;
  applying_ = true;
  switch (control.kind()) {
    case ControlKind::SpinEdit:
      if (property == Property::Value) {
        SendMessageA(ArrowsOf(window), UDM_SETPOS32, 0, static_cast<SpinEdit&>(control).value());
        SetWindowTextA(FieldOf(window), control.caption().c_str());
      } else if (property == Property::Enabled) {
        EnableWindow(FieldOf(window), control.enabled());
        EnableWindow(ArrowsOf(window), control.enabled());
      } else if (property == Property::Font) {
        SendMessageA(FieldOf(window), WM_SETFONT,
                     reinterpret_cast<WPARAM>(gdi_.FontFor(control.font())), TRUE);
      }
      break;
    case ControlKind::TimePicker:
      if (property == Property::Value) {
        SYSTEMTIME time = TimeOf(static_cast<const TimePicker&>(control));
        SendMessageA(window, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
      }
      break;
    default:
      break;
  }
  // The tab of the page that shows is the selected one.
  if (property == Property::Visible && control.visible() && control.parent() != nullptr &&
      control.parent()->kind() == ControlKind::PageControl) {
    if (HWND tabs = WindowOf(*control.parent())) {
      SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(IndexAmongSiblings(control)), 0);
    }
  }
  applying_ = wasApplying;
}

bool Renderer::HandleOptionCommand(Control& control, HWND window, WPARAM wParam, LPARAM lParam) {
  if (control.kind() != ControlKind::SpinEdit || applying_ || HIWORD(wParam) != EN_CHANGE) {
    return false;
  }
  HWND field = reinterpret_cast<HWND>(lParam);
  if (field != FieldOf(window)) return false;
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(field)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(field, text.data(), static_cast<int>(text.size()))));
  static_cast<SpinEdit&>(control).SetText(text);
  return true;
}

bool Renderer::HandleOptionNotify(Control& control, LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  switch (control.kind()) {
    case ControlKind::PageControl:
      if (header->code != TCN_SELCHANGE || applying_) return false;
      static_cast<PageControl&>(control).SelectPage(
          static_cast<int>(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
      return true;
    case ControlKind::TimePicker: {
      if (header->code != DTN_DATETIMECHANGE || applying_) return false;
      const auto* change = reinterpret_cast<const NMDATETIMECHANGE*>(lParam);
      if (change->dwFlags == GDT_VALID) {
        (void)static_cast<TimePicker&>(control).SetTime(change->st.wHour, change->st.wMinute);
      }
      return true;
    }
    default:
      return false;
  }
}

}  // namespace halvex::ui::win32
