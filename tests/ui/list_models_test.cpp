// The list models: rows and hidden sub-items, selection, checks, virtual rows, owner-drawn
// rows, and the text field.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/edit.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/recording_canvas.h"

namespace halvex::ui {
namespace {

TEST(ListViewModel, KeepsHiddenSubItemsBeyondTheColumns) {
  ListView list("RepairGrid");
  list.SetColumns({{"Section", 300}, {"Problems Found", 100}});
  const int row = list.AddRow({"    Shared DLL's Sections", {"3", "4"}});
  EXPECT_EQ(list.SubItem(row, 0), "3");
  EXPECT_EQ(list.SubItem(row, 1), "4") << "the hidden section number";
  EXPECT_EQ(list.SubItem(row, 2), "");
  ASSERT_TRUE(list.SetSubItem(row, 0, "2"));
  EXPECT_EQ(list.Row(row).subItems, (std::vector<std::string>{"2", "4"}));
  EXPECT_FALSE(list.SetSubItem(5, 0, "x"));
}

TEST(ListViewModel, SelectionChangesRaiseTheEventAndFollowDeletions) {
  ListView list("RepairGrid");
  std::vector<int> seen;
  list.onSelect = [&] { seen.push_back(list.selectedIndex()); };
  for (const char* caption : {"All Problems", "a", "b"}) list.AddRow({caption, {}});

  list.SetSelectedIndex(2);
  list.SetSelectedIndex(2);  // unchanged
  ASSERT_TRUE(list.DeleteRow(0));
  EXPECT_EQ(list.selectedIndex(), 1) << "the selected row moved up";
  ASSERT_TRUE(list.DeleteRow(1));
  list.SetSelectedIndex(7);  // no such row: nothing selected, and nothing was

  EXPECT_EQ(seen, (std::vector<int>{2, ListView::kNone}));
  list.AddRow({"c", {}});
  list.SetSelectedIndex(1);
  list.Clear();
  EXPECT_EQ(seen.back(), ListView::kNone);
  EXPECT_EQ(list.rowCount(), 0);
}

TEST(ListViewModel, ChecksRaiseTheirEventOnlyWhenTheyChange) {
  ListView list("StartupListView");
  list.SetCheckBoxes(true);
  list.AddRow({"Program", {}});
  std::vector<int> checked;
  list.onCheck = [&](int row) { checked.push_back(row); };
  ASSERT_TRUE(list.SetChecked(0, true));
  ASSERT_TRUE(list.SetChecked(0, true));
  EXPECT_FALSE(list.SetChecked(1, true));
  EXPECT_EQ(checked, (std::vector<int>{0}));
  EXPECT_TRUE(list.Row(0).checked);
}

TEST(ListViewModel, VirtualRowsComeFromTheDataEventAndCannotBeEdited) {
  ListView list("FileListView");
  list.SetVirtualRowCount(1000);
  list.onData = [](int row) { return ListRow{"file" + std::to_string(row), {"12 KB"}}; };
  EXPECT_EQ(list.rowCount(), 1000);
  EXPECT_EQ(list.Row(999).caption, "file999");
  EXPECT_EQ(list.SubItem(5, 0), "12 KB");
  EXPECT_EQ(list.Row(1000).caption, "");
  EXPECT_FALSE(list.SetSubItem(1, 0, "x"));
  EXPECT_FALSE(list.DeleteRow(1));
}

TEST(ListViewModel, CellColoursComeFromTheCustomDrawEventOrTheFont) {
  ListView list("RepairGrid");
  list.SetColumns({{"Section Name (Click below to see details)", 300},
                   {"Problems Found", 100, TextAlign::Center}});
  list.onCellTextColor = [](int, int column) -> std::optional<Color> {
    if (column == 1) return colors::kRed;
    return std::nullopt;
  };
  EXPECT_EQ(list.CellTextColor(0, 1), colors::kRed);
  EXPECT_EQ(list.CellTextColor(0, 0), colors::kBlack);
  list.SetColumnCaption(1, "Problems Found: 5");
  EXPECT_EQ(list.columns()[1].caption, "Problems Found: 5");
}

TEST(ListBoxModel, FindsTheRowUnderThePointerFromTheScrollPosition) {
  ListBox list("ProblemsListBox");
  list.SetBounds(Rect::At(0, 0, 510, 280));
  list.SetRowHeight(70);
  list.SetRowCount(5);

  EXPECT_EQ(list.RowAt({10, 0}), 0);
  EXPECT_EQ(list.RowAt({10, 139}), 1);
  EXPECT_EQ(list.RowAt({10, 140}), 2);
  list.SetTopIndex(3);
  EXPECT_EQ(list.RowAt({10, 75}), 4);
  EXPECT_EQ(list.RowAt({10, 150}), ListBox::kNone) << "below the last row";
  EXPECT_EQ(list.RowAt({600, 10}), ListBox::kNone) << "right of the list";
  EXPECT_EQ(list.RowRect(4), Rect::At(0, 70, 510, 70));
}

TEST(ListBoxModel, PaintsARowThroughTheDrawEventWithItsRectAndSelection) {
  ListBox list("ProblemsListBox");
  list.SetBounds(Rect::At(0, 0, 510, 280));
  list.SetRowHeight(70);
  list.SetRowCount(2);
  list.SetSelectedIndex(1);
  list.onDrawItem = [](Canvas& canvas, int row, const Rect& rect, bool selected) {
    canvas.FillRect(rect.Inflated(-2, -4),
                    selected ? Color::Rgb(0xFF, 0xF2, 0xD9) : colors::kWhite);
    canvas.DrawText(rect, "row " + std::to_string(row), Font{}, TextAlign::Left);
  };
  RecordingCanvas canvas;
  list.PaintRow(canvas, 1);
  list.PaintRow(canvas, 2);  // no such row
  EXPECT_EQ(canvas.operations(), (std::vector<std::string>{
                                     "fill 2,74,508,136 #FFF2D9",
                                     "text 0,70,510,140 \"row 1\" Tahoma 8 #000000 left",
                                 }));
}

TEST(ListBoxModel, ShrinkingTheRowsDropsASelectionPastTheEnd) {
  ListBox list("ProblemsListBox");
  list.SetRowCount(3);
  list.SetSelectedIndex(2);
  int selects = 0;
  list.onSelect = [&] { ++selects; };
  list.SetRowCount(2);
  EXPECT_EQ(list.selectedIndex(), ListBox::kNone);
  EXPECT_EQ(selects, 1);
}

TEST(EditModel, RaisesTheChangeOnlyWhenTheTextChanges) {
  Edit field("edPath");
  int changes = 0;
  field.onChange = [&] { ++changes; };
  field.SetText("C:\\Temp");
  field.SetText("C:\\Temp");
  EXPECT_EQ(field.text(), "C:\\Temp");
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace halvex::ui
