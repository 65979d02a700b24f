#include "ui/list_box.h"

namespace halvex::ui {

void ListBox::SetRowCount(int count) {
  rowCount_ = count < 0 ? 0 : count;
  if (top_ >= rowCount_) top_ = 0;
  const bool lostSelection = selected_ >= rowCount_;
  if (lostSelection) selected_ = kNone;
  Notify(Property::Items);
  if (lostSelection && onSelect) onSelect();
}

void ListBox::SetRowHeight(int height) {
  if (height <= 0 || height == rowHeight_) return;
  rowHeight_ = height;
  Notify(Property::Items);
}

void ListBox::SetSelectedIndex(int row) {
  if (row < kNone || row >= rowCount_) row = kNone;
  if (row == selected_) return;
  selected_ = row;
  Notify(Property::Selection);
  if (onSelect) onSelect();
}

void ListBox::SetTopIndex(int row) {
  if (row < 0 || row >= rowCount_) row = 0;
  if (row == top_) return;
  top_ = row;
  Notify(Property::Selection);
}

int ListBox::RowAt(Point at) const {
  if (at.y < 0 || at.x < 0 || at.x >= PlacedBounds().width()) return kNone;
  const int row = top_ + at.y / rowHeight_;
  return row < rowCount_ ? row : kNone;
}

Rect ListBox::RowRect(int row) const {
  return Rect::At(0, (row - top_) * rowHeight_, PlacedBounds().width(), rowHeight_);
}

void ListBox::PaintRow(Canvas& canvas, int row) const {
  if (row < 0 || row >= rowCount_ || !onDrawItem) return;
  onDrawItem(canvas, row, RowRect(row), row == selected_);
}

}  // namespace halvex::ui
