#pragma once
// A report list: columns with captions, rows with a caption and sub-items, one selected row,
// optional check boxes, and a virtual mode in which the rows are asked for as they show. A row
// may carry more sub-items than there are columns; the extra ones are not shown.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace halvex::ui {

struct ListColumn {
  std::string caption{};
  int width = 100;
  TextAlign align = TextAlign::Left;
};

struct ListRow {
  std::string caption{};
  std::vector<std::string> subItems{};
  bool checked = false;
};

class ListView : public Control {
 public:
  static constexpr int kNone = -1;

  explicit ListView(std::string name) : Control(ControlKind::ListView, std::move(name)) {}

  const std::vector<ListColumn>& columns() const { return columns_; }
  void SetColumns(std::vector<ListColumn> columns);
  void SetColumnCaption(std::size_t column, std::string caption);
  void SetColumnWidth(std::size_t column, int width);

  bool checkBoxes() const { return checkBoxes_; }
  void SetCheckBoxes(bool on);

  // Rows held by the list; in virtual mode the count alone, the rows come from onData.
  int rowCount() const;
  // Appends the row and answers its index.
  int AddRow(ListRow row);
  // The row at `index`; in virtual mode as onData gives it.
  ListRow Row(int index) const;
  // Sub-item 0 is the second column (or the first hidden text); false for a row that does not
  // exist.
  [[nodiscard]] bool SetSubItem(int row, std::size_t subItem, std::string text);
  // The text of a sub-item; empty when the row or sub-item does not exist.
  std::string SubItem(int row, std::size_t subItem) const;
  [[nodiscard]] bool DeleteRow(int row);
  // Removes every row and the selection (raising onSelect when a row was selected).
  void Clear();

  bool isVirtual() const { return virtualCount_.has_value(); }
  void SetVirtualRowCount(int count);
  std::function<ListRow(int row)> onData;

  // kNone for no selection. Changing it raises onSelect.
  int selectedIndex() const { return selected_; }
  void SetSelectedIndex(int row);
  std::function<void()> onSelect;

  // The row with the keyboard focus mark.
  int focusedIndex() const { return focused_; }
  void SetFocusedIndex(int row);

  // Ticking or clearing a row's box (by the user or by the program) raises onCheck.
  [[nodiscard]] bool SetChecked(int row, bool checked);
  std::function<void(int row)> onCheck;

  std::function<void()> onDoubleClick;

  // A press of the left button on a row, before the list acts on it; `onCheckBox` tells a press
  // on the row's check box from one on the rest of the row. A handler that answers true takes
  // the press: the list then neither selects the row nor toggles its box, so the handler may
  // veto a tick (or set the box itself).
  std::function<bool(int row, bool onCheckBox)> onRowPress;
  // The renderer's entry point (and the tests'): whether the handler took the press.
  bool TakesRowPress(int row, bool onCheckBox);
  // The colour of a cell's text while it is painted (column 0 is the row caption); nullopt
  // keeps the font's colour.
  std::function<std::optional<Color>(int row, int column)> onCellTextColor;
  Color CellTextColor(int row, int column) const;

 private:
  std::vector<ListColumn> columns_;
  std::vector<ListRow> rows_;
  std::optional<int> virtualCount_;
  bool checkBoxes_ = false;
  int selected_ = kNone;
  int focused_ = kNone;
};

}  // namespace halvex::ui
