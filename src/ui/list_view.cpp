#include "ui/list_view.h"

namespace halvex::ui {

void ListView::SetColumns(std::vector<ListColumn> columns) {
  columns_ = std::move(columns);
  Notify(Property::Columns);
}

void ListView::SetColumnCaption(std::size_t column, std::string caption) {
  if (column >= columns_.size() || columns_[column].caption == caption) return;
  columns_[column].caption = std::move(caption);
  Notify(Property::Columns);
}

void ListView::SetColumnWidth(std::size_t column, int width) {
  if (column >= columns_.size() || columns_[column].width == width) return;
  columns_[column].width = width;
  Notify(Property::Columns);
}

void ListView::SetCheckBoxes(bool on) {
  if (on == checkBoxes_) return;
  checkBoxes_ = on;
  Notify(Property::Look);
}

int ListView::rowCount() const {
  return virtualCount_ ? *virtualCount_ : static_cast<int>(rows_.size());
}

int ListView::AddRow(ListRow row) {
  rows_.push_back(std::move(row));
  Notify(Property::Items);
  return static_cast<int>(rows_.size()) - 1;
}

ListRow ListView::Row(int index) const {
  if (index < 0 || index >= rowCount()) return {};
  if (virtualCount_) return onData ? onData(index) : ListRow{};
  return rows_[static_cast<std::size_t>(index)];
}

bool ListView::SetSubItem(int row, std::size_t subItem, std::string text) {
  if (virtualCount_ || row < 0 || row >= rowCount()) return false;
  auto& items = rows_[static_cast<std::size_t>(row)].subItems;
  if (items.size() <= subItem) items.resize(subItem + 1);
  items[subItem] = std::move(text);
  Notify(Property::Items);
  return true;
}

std::string ListView::SubItem(int row, std::size_t subItem) const {
  const ListRow found = Row(row);
  return subItem < found.subItems.size() ? found.subItems[subItem] : std::string();
}

bool ListView::DeleteRow(int row) {
  if (virtualCount_ || row < 0 || row >= rowCount()) return false;
  rows_.erase(rows_.begin() + row);
  if (focused_ == row)
    focused_ = kNone;
  else if (focused_ > row)
    --focused_;
  if (selected_ == row) {
    selected_ = kNone;
    Notify(Property::Items);
    if (onSelect) onSelect();
    return true;
  }
  if (selected_ > row) --selected_;
  Notify(Property::Items);
  return true;
}

void ListView::Clear() {
  const bool hadSelection = selected_ != kNone;
  rows_.clear();
  if (virtualCount_) virtualCount_ = 0;
  selected_ = focused_ = kNone;
  Notify(Property::Items);
  if (hadSelection && onSelect) onSelect();
}

void ListView::SetVirtualRowCount(int count) {
  virtualCount_ = count < 0 ? 0 : count;
  rows_.clear();
  if (selected_ >= *virtualCount_) selected_ = kNone;
  Notify(Property::Items);
}

void ListView::SetSelectedIndex(int row) {
  if (row < kNone || row >= rowCount()) row = kNone;
  if (row == selected_) return;
  selected_ = row;
  Notify(Property::Selection);
  if (onSelect) onSelect();
}

void ListView::SetFocusedIndex(int row) {
  if (row < kNone || row >= rowCount()) row = kNone;
  if (row == focused_) return;
  focused_ = row;
  Notify(Property::Selection);
}

bool ListView::SetChecked(int row, bool checked) {
  if (virtualCount_ || row < 0 || row >= rowCount()) return false;
  ListRow& target = rows_[static_cast<std::size_t>(row)];
  if (target.checked == checked) return true;
  target.checked = checked;
  Notify(Property::Items);
  if (onCheck) onCheck(row);
  return true;
}

Color ListView::CellTextColor(int row, int column) const {
  if (onCellTextColor) {
    if (const auto color = onCellTextColor(row, column)) return *color;
  }
  return font().color;
}

bool ListView::TakesRowPress(int row, bool onCheckBox) {
  return onRowPress && row >= 0 && row < rowCount() && onRowPress(row, onCheckBox);
}

}  // namespace halvex::ui
