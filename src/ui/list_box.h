#pragma once
// An owner-drawn list of rows of one height that have no text of their own: the program draws
// each row from its own data when the list asks (the problem list draws a problem record per
// row).
#include <functional>

#include "ui/control.h"

namespace halvex::ui {

class ListBox : public Control {
 public:
  static constexpr int kNone = -1;

  explicit ListBox(std::string name) : Control(ControlKind::ListBox, std::move(name)) {}

  int rowCount() const { return rowCount_; }
  void SetRowCount(int count);
  int rowHeight() const { return rowHeight_; }
  void SetRowHeight(int height);

  // kNone for no selection; changing it raises onSelect.
  int selectedIndex() const { return selected_; }
  void SetSelectedIndex(int row);
  std::function<void()> onSelect;

  // The first row shown; the renderer keeps it as the user scrolls.
  int topIndex() const { return top_; }
  void SetTopIndex(int row);

  // The row under a point of the list's client area; kNone below the last row.
  int RowAt(Point at) const;
  // A row's rectangle in the list's client area.
  Rect RowRect(int row) const;

  // Draws one row into its rectangle: raises onDrawItem, for a row that exists.
  void PaintRow(Canvas& canvas, int row) const;
  std::function<void(Canvas& canvas, int row, const Rect& rect, bool selected)> onDrawItem;

 private:
  int rowCount_ = 0;
  int rowHeight_ = 16;
  int selected_ = kNone;
  int top_ = 0;
};

}  // namespace halvex::ui
