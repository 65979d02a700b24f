// The Win32 renderer under Wine: real controls kept in step with their models, and the user's
// actions on the real controls turned into model events.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/substitute/scripted_message_boxes.h"
#include "ui/animation.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/notebook.h"
#include "ui/panel.h"
#include "ui/progress_bar.h"
#include "ui/spin_edit.h"
#include "ui/status_bar.h"
#include "ui/time_picker.h"
#include "ui/tree_view.h"
#include "ui/win32/win32_window_system.h"

namespace halvex::ui::win32 {
namespace {

// Handles what is waiting, as the program's loop would between two user actions.
void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

class RendererTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(Rect::At(0, 0, 400, 300));
    form.SetCaption("Renderer test");
    panel.SetBounds(Rect::At(0, 0, 400, 300));
    form.AddChild(panel);
  }
  void Show() {
    windows.Show(form);
    Pump();
  }
  HWND Window(const Control& control) { return static_cast<HWND>(windows.NativeWindow(control)); }
  std::string Text(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
  }

  platform::substitute::ScriptedMessageBoxes messages;
  Win32WindowSystem windows{messages};
  Form form{"RendererTestForm"};
  Panel panel{"Panel"};
};

TEST_F(RendererTest, ControlsFollowTheirModelsAndLeaveWithThem) {
  Label label("Label", "first");
  label.SetBounds(Rect::At(10, 10, 100, 20));
  panel.AddChild(label);
  Show();
  HWND window = Window(label);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Text(window), "first");

  label.SetCaption("second");
  label.SetBounds(Rect::At(20, 30, 120, 24));
  label.SetVisible(false);
  EXPECT_EQ(Text(window), "second");
  RECT placed;
  GetWindowRect(window, &placed);
  MapWindowPoints(nullptr, Window(panel), reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_EQ(placed.left, 20);
  EXPECT_EQ(placed.top, 30);
  EXPECT_EQ(placed.right - placed.left, 120);
  EXPECT_FALSE(IsWindowVisible(window));

  // A child linked after the window exists gets its own; destroying the model ends it.
  auto late = std::make_unique<Label>("Late", "late");
  panel.AddChild(*late);
  HWND lateWindow = Window(*late);
  ASSERT_NE(lateWindow, nullptr);
  EXPECT_EQ(GetParent(lateWindow), Window(panel));
  late.reset();
  EXPECT_FALSE(IsWindow(lateWindow));
}

TEST_F(RendererTest, AnEmbeddedFormKeepsItsWindowClass) {
  Form tool{"ToolForm", "TProbeToolForm"};
  tool.SetBounds(Rect::At(0, 0, 200, 100));
  Form plain{"PlainForm"};
  plain.SetBounds(Rect::At(0, 100, 200, 100));
  panel.AddChild(tool);
  panel.AddChild(plain);
  Show();

  HWND found = FindWindowExA(Window(panel), nullptr, "TProbeToolForm", nullptr);
  EXPECT_EQ(found, Window(tool)) << "the embedded form should be a child of class TProbeToolForm";
  char className[64] = {};
  GetClassNameA(Window(plain), className, sizeof className);
  EXPECT_STREQ(className, "HalvexView") << "a form without a class of its own";
}

TEST_F(RendererTest, APressAndReleaseOverAPaintedControlClicksIt) {
  Label link("Link", "open");
  link.SetBounds(Rect::At(10, 10, 100, 20));
  int clicks = 0;
  std::vector<Point> presses;
  link.onClick = [&] { ++clicks; };
  link.onMouseDown = [&](MouseButton, Point at) { presses.push_back(at); };
  panel.AddChild(link);
  Show();

  HWND window = Window(link);
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 7));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 7));
  EXPECT_EQ(clicks, 1);
  ASSERT_EQ(presses.size(), 1u);
  EXPECT_EQ(presses[0], (Point{5, 7}));

  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 7));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(300, 7));
  EXPECT_EQ(clicks, 1) << "a release away from the control is no click";
}

TEST_F(RendererTest, AListViewShowsItsRowsAndReportsTheUsersSelectionAndChecks) {
  ListView list("RepairGrid");
  list.SetBounds(Rect::At(0, 0, 400, 200));
  list.SetColumns({{"Section", 250}, {"Problems Found", 100, TextAlign::Center}});
  list.SetCheckBoxes(true);
  list.AddRow({"All Problems", {"5", "0"}});
  list.AddRow({"    Shared DLL's Sections", {"3", "4"}});
  std::vector<int> selections, checks;
  list.onSelect = [&] { selections.push_back(list.selectedIndex()); };
  list.onCheck = [&](int row) { checks.push_back(row); };
  panel.AddChild(list);
  Show();
  HWND window = Window(list);

  EXPECT_EQ(SendMessageA(window, LVM_GETITEMCOUNT, 0, 0), 2);
  char text[64] = {};
  LVITEMA item{};
  item.iSubItem = 1;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(window, LVM_GETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "3");
  EXPECT_EQ(SendMessageA(window, LVM_GETHEADER, 0, 0) != 0, true);

  // The user selects the second row and ticks the first.
  LVITEMA state{};
  state.stateMask = LVIS_SELECTED;
  state.state = LVIS_SELECTED;
  SendMessageA(window, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
  state.stateMask = LVIS_STATEIMAGEMASK;
  state.state = INDEXTOSTATEIMAGEMASK(2);
  SendMessageA(window, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
  EXPECT_EQ(selections, (std::vector<int>{1}));
  EXPECT_EQ(checks, (std::vector<int>{0}));
  EXPECT_TRUE(list.Row(0).checked);

  // The program changes the selection and the rows: the control follows without echoing.
  list.SetSelectedIndex(0);
  EXPECT_EQ(SendMessageA(window, LVM_GETNEXTITEM, -1, LVNI_SELECTED), 0);
  ASSERT_TRUE(list.SetSubItem(0, 0, "4"));
  SendMessageA(window, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "4");
  EXPECT_EQ(selections, (std::vector<int>{1, 0}));
}

TEST_F(RendererTest, AVirtualListViewAsksForTheRowsItShows) {
  ListView list("FileListView");
  list.SetBounds(Rect::At(0, 0, 400, 200));
  list.SetColumns({{"File", 250}, {"Size", 100}});
  list.SetVirtualRowCount(500);
  list.onData = [](int row) { return ListRow{"file" + std::to_string(row), {"1 KB"}}; };
  panel.AddChild(list);
  Show();
  HWND window = Window(list);
  EXPECT_EQ(SendMessageA(window, LVM_GETITEMCOUNT, 0, 0), 500);
  char text[64] = {};
  LVITEMA item{};
  item.iSubItem = 0;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(window, LVM_GETITEMTEXTA, 321, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "file321");
  list.SetVirtualRowCount(3);
  EXPECT_EQ(SendMessageA(window, LVM_GETITEMCOUNT, 0, 0), 3);
}

TEST_F(RendererTest, AnOwnerDrawnListBoxDrawsThroughItsModelAndReportsPressesAtRows) {
  ListBox list("ProblemsListBox");
  list.SetBounds(Rect::At(0, 0, 400, 200));
  list.SetRowHeight(70);
  list.SetRowCount(6);
  std::vector<int> drawn;
  list.onDrawItem = [&](Canvas& canvas, int row, const Rect& rect, bool) {
    drawn.push_back(row);
    canvas.FillRect(rect, colors::kWhite);
  };
  std::vector<int> pressedRows;
  list.onMouseDown = [&](MouseButton button, Point at) {
    if (button == MouseButton::Left) pressedRows.push_back(list.RowAt(at));
  };
  panel.AddChild(list);
  Show();
  HWND window = Window(list);
  UpdateWindow(window);

  EXPECT_EQ(SendMessageA(window, LB_GETCOUNT, 0, 0), 6);
  EXPECT_EQ(SendMessageA(window, LB_GETITEMHEIGHT, 0, 0), 70);
  ASSERT_FALSE(drawn.empty()) << "no row was drawn";
  EXPECT_EQ(drawn.front(), 0);

  SendMessageA(window, LB_SETTOPINDEX, 2, 0);
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 75));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(20, 75));
  Pump();
  EXPECT_EQ(pressedRows, (std::vector<int>{3})) << "the press counts the rows scrolled away";
  EXPECT_EQ(list.selectedIndex(), 3);
}

TEST_F(RendererTest, ATextFieldAndItsModelShareTheText) {
  Edit field("edPath");
  field.SetBounds(Rect::At(10, 10, 200, 22));
  std::vector<std::string> changes;
  field.onChange = [&] { changes.push_back(field.text()); };
  panel.AddChild(field);
  Show();
  HWND window = Window(field);

  SetWindowTextA(window, "C:\\Temp");
  EXPECT_EQ(field.text(), "C:\\Temp");
  field.SetText("D:\\Data");
  EXPECT_EQ(Text(window), "D:\\Data");
  EXPECT_EQ(changes, (std::vector<std::string>{"C:\\Temp", "D:\\Data"}));
  field.SetReadOnly(true);
  EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & ES_READONLY);
}

TEST_F(RendererTest, EnterPressesTheDefaultButtonAndEscapeClosesTheDialog) {
  Button ok("OkBtn", "&OK");
  ok.isDefault = true;
  ok.modalResult = ModalResult::Ok;
  ok.SetBounds(Rect::At(10, 10, 75, 25));
  panel.AddChild(ok);
  Show();
  HWND window = Window(form);
  SendMessageA(window, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(form.modalResult(), ModalResult::Ok);
  SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
  EXPECT_FALSE(form.visible());
}

TEST_F(RendererTest, RadioButtonsFormAGroupThroughTheirModels) {
  RadioButton first("RadioButton1", "Permanently delete files");
  RadioButton second("RadioButton2", "Move files to Recycle Bin");
  first.SetBounds(Rect::At(10, 10, 200, 20));
  second.SetBounds(Rect::At(10, 34, 200, 20));
  second.SetChecked(true);
  panel.AddChild(first);
  panel.AddChild(second);
  Show();
  EXPECT_EQ(SendMessageA(Window(second), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageA(Window(panel), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
               reinterpret_cast<LPARAM>(Window(first)));
  EXPECT_TRUE(first.checked());
  EXPECT_EQ(SendMessageA(Window(first), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(Window(second), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(RendererTest, TabsShowTheirPagesBelowThemAndReportTheUsersChoice) {
  TabControl pages("MainPageControl");
  pages.SetBounds(Rect::At(0, 0, 400, 300));
  Panel general("GeneralSheet"), ignore("IgnoreSheet");
  general.SetCaption("General Settings");
  ignore.SetCaption("Ignore List");
  pages.AddPage(general);
  pages.AddPage(ignore);
  pages.SetPageIndex(0);
  int changes = 0;
  pages.onChange = [&] { ++changes; };
  panel.AddChild(pages);
  Show();
  HWND tabs = Window(pages);
  EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
  RECT page;
  GetWindowRect(Window(general), &page);
  MapWindowPoints(nullptr, tabs, reinterpret_cast<POINT*>(&page), 2);
  EXPECT_GT(page.top, 10) << "the page lies below the tabs";

  SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
  NMHDR change{tabs, 0, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(Window(panel), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
  EXPECT_EQ(pages.pageIndex(), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(IsWindowVisible(Window(ignore)));
  EXPECT_FALSE(IsWindowVisible(Window(general)));
  ignore.SetCaption("Ignored");
  char text[32] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(tabs, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "Ignored");
}

TEST_F(RendererTest, ProgressStatusAndNumberBoxesShowTheirValues) {
  ProgressBar bar("ProgressBar1");
  bar.SetBounds(Rect::At(10, 10, 200, 16));
  bar.SetMaximum(40);
  bar.SetPosition(10);
  StatusBar status("ReportStatusBar");
  status.SetBounds(Rect::At(0, 270, 400, 22));
  status.SetPanels({{"Selected:", 80}, {"3", 60}});
  SpinEdit days("SpinEditDays", 1, 31);
  days.SetBounds(Rect::At(10, 40, 60, 22));
  days.SetValue(5);
  for (Control* control : std::initializer_list<Control*>{&bar, &status, &days}) {
    panel.AddChild(*control);
  }
  Show();

  EXPECT_EQ(SendMessageA(Window(bar), PBM_GETPOS, 0, 0), 10);
  bar.SetPosition(30);
  EXPECT_EQ(SendMessageA(Window(bar), PBM_GETPOS, 0, 0), 30);
  EXPECT_EQ(SendMessageA(Window(bar), PBM_GETRANGE, FALSE, 0), 40);

  char text[32] = {};
  SendMessageA(Window(status), SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "3");
  ASSERT_TRUE(status.SetPanelText(1, "7"));
  SendMessageA(Window(status), SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "7");

  EXPECT_EQ(Text(Window(days)), "5");
  SetWindowTextA(Window(days), "12");
  EXPECT_EQ(days.value(), 12);
  SetWindowTextA(Window(days), "99");
  EXPECT_EQ(days.value(), 31) << "kept in range";
  days.SetValue(2);
  EXPECT_EQ(Text(Window(days)), "2");
}

TEST_F(RendererTest, ATimePickerAndATreeViewTellTheirModelsWhatTheUserChose) {
  TimePicker time("dtpStartTime");
  time.SetBounds(Rect::At(10, 10, 100, 22));
  ASSERT_TRUE(time.SetTime(9, 30));
  TreeView tree("HistoryTree");
  tree.SetBounds(Rect::At(10, 40, 200, 200));
  const int root = tree.AddNode(TreeView::kRoot, "History");
  const int child = tree.AddNode(root, "Recent documents");
  panel.AddChild(time);
  panel.AddChild(tree);
  Show();

  SYSTEMTIME shown{};
  ASSERT_EQ(SendMessageA(Window(time), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)),
            GDT_VALID);
  EXPECT_EQ(shown.wHour, 9);
  EXPECT_EQ(shown.wMinute, 30);
  NMDATETIMECHANGE change{};
  change.nmhdr = {Window(time), 0, static_cast<UINT>(DTN_DATETIMECHANGE)};
  change.dwFlags = GDT_VALID;
  change.st = shown;
  change.st.wHour = 18;
  change.st.wMinute = 5;
  SendMessageA(Window(panel), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
  EXPECT_EQ(time.hour(), 18);
  EXPECT_EQ(time.minute(), 5);

  EXPECT_EQ(SendMessageA(Window(tree), TVM_GETCOUNT, 0, 0), 2);
  tree.SetSelectedNode(child);
  auto* selected =
      reinterpret_cast<HTREEITEM>(SendMessageA(Window(tree), TVM_GETNEXTITEM, TVGN_CARET, 0));
  ASSERT_NE(selected, nullptr);
  TVITEMA item{};
  item.mask = TVIF_PARAM;
  item.hItem = selected;
  SendMessageA(Window(tree), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.lParam, child);
  // The user selects the root.
  auto* top =
      reinterpret_cast<HTREEITEM>(SendMessageA(Window(tree), TVM_GETNEXTITEM, TVGN_ROOT, 0));
  SendMessageA(Window(tree), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(top));
  EXPECT_EQ(tree.selectedNode(), root);
}

TEST_F(RendererTest, TheFormsRegionAndCloseGoThroughTheModel) {
  form.SetRoundedRegion(24, 24, 2);
  bool closing = false;
  form.onClose = [&](CloseAction& action) {
    closing = true;
    action = CloseAction::None;
  };
  Show();
  HWND window = Window(form);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(window, region), ERROR) << "the rounded region is set";
  DeleteObject(region);
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(closing);
  EXPECT_TRUE(IsWindowVisible(window)) << "a refused close keeps the window";
}

TEST_F(RendererTest, TheTaskbarsRestartReachesTheModel) {
  int restarts = 0;
  form.onTaskbarCreated = [&] { ++restarts; };
  Show();
  // The taskbar broadcasts this registered message to every top-level window when it starts.
  const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
  ASSERT_NE(taskbarCreated, 0u);
  SendMessageA(Window(form), taskbarCreated, 0, 0);
  EXPECT_EQ(restarts, 1);
}

TEST_F(RendererTest, MessagesAllowedFromOtherProgramsStillReachTheModel) {
  std::vector<std::uint32_t> received;
  form.onMessage = [&](std::uint32_t message, std::uintptr_t, std::intptr_t) {
    received.push_back(message);
    return true;
  };
  Show();
  // Where the system has no message filter (before Windows 7) this does nothing.
  windows.AllowMessagesFromOtherPrograms(form, {0x2400, 0x500});
  SendMessageA(Window(form), 0x2400, 0, 0);
  SendMessageA(Window(form), 0x500, 0, 16);
  EXPECT_EQ(received, (std::vector<std::uint32_t>{0x2400, 0x500}));
}

}  // namespace
}  // namespace halvex::ui::win32
