// The renderer's settings controls under Wine: the tab row of a page control, the number box
// and the time picker, kept in step with their models both ways.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/substitute/scripted_message_boxes.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/spin_edit.h"
#include "ui/time_picker.h"
#include "ui/win32/win32_window_system.h"

namespace halvex::ui::win32 {
namespace {

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

std::string Text(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

class OptionControlsRendererTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(Rect::At(0, 0, 420, 300));
    form.SetCaption("Option controls");
    pages.SetBounds(Rect::At(8, 8, 404, 284));
    form.AddChild(pages);
    pages.AddPage(first);
    pages.AddPage(second);
    pages.SetPageIndex(0);
    group.SetBounds(Rect::At(8, 8, 300, 100));
    second.AddChild(group);
    days.SetBounds(Rect::At(16, 24, 60, 22));
    group.AddChild(days);
    time.SetBounds(Rect::At(16, 150, 90, 22));
    second.AddChild(time);
  }
  void Show() {
    windows.Show(form);
    Pump();
  }
  HWND Window(const Control& control) { return static_cast<HWND>(windows.NativeWindow(control)); }

  platform::substitute::ScriptedMessageBoxes messages;
  Win32WindowSystem windows{messages};
  Form form{"OptionControlsForm"};
  PageControl pages{"Pages"};
  TabSheet first{"First", "General Settings"};
  TabSheet second{"Second", "Scheduling"};
  GroupBox group{"Group", "Schedule Task Daily:"};
  SpinEdit days{"Days", 1, 31};
  TimePicker time{"Time", 9, 30};
};

TEST_F(OptionControlsRendererTest, ThePagesAreTabsAndAClickOnATabTurnsToItsPage) {
  int changes = 0;
  pages.onChange = [&] { ++changes; };
  Show();
  HWND tabs = Window(pages);
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
  char caption[64] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = caption;
  item.cchTextMax = sizeof caption;
  ASSERT_TRUE(SendMessageA(tabs, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item)));
  EXPECT_STREQ(caption, "Scheduling");
  EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(GetParent(Window(first)), tabs);
  EXPECT_TRUE(IsWindowVisible(Window(first)));
  EXPECT_FALSE(IsWindowVisible(Window(second)));

  // The user clicks the second tab.
  RECT tab;
  ASSERT_TRUE(SendMessageA(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab)));
  const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(tabs, WM_LBUTTONUP, 0, at);
  Pump();
  EXPECT_EQ(pages.pageIndex(), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(IsWindowVisible(Window(second)));
  EXPECT_FALSE(IsWindowVisible(Window(first)));

  // The program turns back: the tab follows, and no change is reported.
  pages.SetPageIndex(0);
  EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(changes, 1);
}

TEST_F(OptionControlsRendererTest, TheNumberBoxTakesTypedNumbersAndItsArrows) {
  int changes = 0;
  days.onChange = [&] { ++changes; };
  Show();
  HWND box = Window(days);
  ASSERT_NE(box, nullptr);
  HWND field = FindWindowExA(box, nullptr, "EDIT", nullptr);
  HWND arrows = FindWindowExA(box, nullptr, UPDOWN_CLASSA, nullptr);
  ASSERT_NE(field, nullptr);
  ASSERT_NE(arrows, nullptr);
  EXPECT_EQ(Text(field), "1");

  days.SetValue(5);
  EXPECT_EQ(Text(field), "5");
  EXPECT_EQ(SendMessageA(arrows, UDM_GETPOS32, 0, 0), 5);
  EXPECT_EQ(changes, 1);

  SetWindowTextA(field, "12");  // as the user types it
  EXPECT_EQ(days.value(), 12);
  SendMessageA(field, WM_KEYDOWN, VK_UP, 0);
  Pump();
  EXPECT_EQ(days.value(), 13) << "the up arrow key steps the number";
  EXPECT_EQ(changes, 3);

  SetWindowTextA(field, "99");
  EXPECT_EQ(days.value(), 31) << "clamped to the range";

  days.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(field));
  EXPECT_FALSE(IsWindowEnabled(arrows));
}

TEST_F(OptionControlsRendererTest, TheTimePickerShowsHoursAndMinutesBothWays) {
  int changes = 0;
  time.onChange = [&] { ++changes; };
  Show();
  HWND picker = Window(time);
  ASSERT_NE(picker, nullptr);
  SYSTEMTIME shown{};
  ASSERT_EQ(SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)),
            GDT_VALID);
  EXPECT_EQ(shown.wHour, 9);
  EXPECT_EQ(shown.wMinute, 30);

  ASSERT_TRUE(time.SetTime(21, 15));
  ASSERT_EQ(SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)),
            GDT_VALID);
  EXPECT_EQ(shown.wHour, 21);
  EXPECT_EQ(shown.wMinute, 15);

  // The picker tells its parent when the user changes the time.
  NMDATETIMECHANGE change{};
  change.nmhdr.hwndFrom = picker;
  change.nmhdr.idFrom = 0;
  change.nmhdr.code = DTN_DATETIMECHANGE;
  change.dwFlags = GDT_VALID;
  change.st = shown;
  change.st.wHour = 6;
  change.st.wMinute = 5;
  SendMessageA(GetParent(picker), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
  EXPECT_EQ(time.hour(), 6);
  EXPECT_EQ(time.minute(), 5);
  EXPECT_EQ(changes, 2);
}

}  // namespace
}  // namespace halvex::ui::win32
