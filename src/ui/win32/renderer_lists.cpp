// The renderer's part for the system's lists and text fields: list views (report rows, check
// boxes, virtual rows, cell colours), owner-drawn list boxes and edit fields.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/tree_view.h"
#include "ui/win32/renderer.h"
#include "ui/win32/win32_canvas.h"

namespace halvex::ui::win32 {

namespace {

int ColumnFormat(TextAlign align) {
  switch (align) {
    case TextAlign::Center:
      return LVCFMT_CENTER;
    case TextAlign::Right:
      return LVCFMT_RIGHT;
    default:
      return LVCFMT_LEFT;
  }
}

void SetItemText(HWND window, int row, int column, const std::string& text) {
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(window, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

void SetItemState(HWND window, int row, UINT state, UINT mask) {
  LVITEMA item{};
  item.stateMask = mask;
  item.state = state;
  SendMessageA(window, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

// The state image of a check box: 1 clear, 2 ticked.
UINT CheckState(bool checked) {
  return INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
}

void SyncColumns(const ListView& list, HWND window) {
  while (SendMessageA(window, LVM_DELETECOLUMN, 0, 0)) {
  }
  int index = 0;
  for (const ListColumn& column : list.columns()) {
    LVCOLUMNA entry{};
    entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    entry.fmt = ColumnFormat(column.align);
    entry.cx = column.width;
    entry.pszText = const_cast<char*>(column.caption.c_str());
    SendMessageA(window, LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&entry));
  }
}

void SyncRows(const ListView& list, HWND window) {
  const DWORD extended = LVS_EX_FULLROWSELECT | (list.checkBoxes() ? LVS_EX_CHECKBOXES : 0);
  SendMessageA(window, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES,
               extended);
  if (list.isVirtual()) {
    SendMessageA(window, LVM_SETITEMCOUNT, list.rowCount(), LVSICF_NOSCROLL);
    InvalidateRect(window, nullptr, FALSE);
    return;
  }
  SendMessageA(window, WM_SETREDRAW, FALSE, 0);
  SendMessageA(window, LVM_DELETEALLITEMS, 0, 0);
  // Sub-items past the columns hold the program's data and are not shown.
  const std::size_t shown = list.columns().empty() ? 0 : list.columns().size() - 1;
  for (int row = 0; row < list.rowCount(); ++row) {
    const ListRow entry = list.Row(row);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(entry.caption.c_str());
    SendMessageA(window, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    for (std::size_t sub = 0; sub < std::min(shown, entry.subItems.size()); ++sub) {
      SetItemText(window, row, static_cast<int>(sub + 1), entry.subItems[sub]);
    }
    if (list.checkBoxes())
      SetItemState(window, row, CheckState(entry.checked), LVIS_STATEIMAGEMASK);
  }
  SendMessageA(window, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window, nullptr, TRUE);
}

void SyncSelection(const ListView& list, HWND window) {
  SetItemState(window, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (list.selectedIndex() != ListView::kNone) {
    SetItemState(window, list.selectedIndex(), LVIS_SELECTED, LVIS_SELECTED);
    SendMessageA(window, LVM_ENSUREVISIBLE, list.selectedIndex(), FALSE);
  }
  if (list.focusedIndex() != ListView::kNone) {
    SetItemState(window, list.focusedIndex(), LVIS_FOCUSED, LVIS_FOCUSED);
  }
}

// Nodes come parents first, so each node's parent item exists when the node is inserted.
void SyncTree(const TreeView& tree, HWND window, Property property, std::vector<HTREEITEM>& items) {
  if (property != Property::Selection) {
    SendMessageA(window, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    items.clear();
    for (std::size_t i = 0; i < tree.nodes().size(); ++i) {
      const TreeView::Node& node = tree.nodes()[i];
      TVINSERTSTRUCTA insert{};
      insert.hParent =
          node.parent == TreeView::kRoot ? TVI_ROOT : items[static_cast<std::size_t>(node.parent)];
      insert.hInsertAfter = TVI_LAST;
      insert.item.mask = TVIF_TEXT | TVIF_PARAM;
      insert.item.pszText = const_cast<char*>(node.caption.c_str());
      insert.item.lParam = static_cast<LPARAM>(i);
      items.push_back(reinterpret_cast<HTREEITEM>(
          SendMessageA(window, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert))));
    }
  }
  const int selected = tree.selectedNode();
  HTREEITEM item =
      selected == TreeView::kNone ? nullptr : items[static_cast<std::size_t>(selected)];
  SendMessageA(window, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

void SyncListBox(const ListBox& list, HWND window, Property property) {
  if (property == Property::Items) {
    SendMessageA(window, LB_SETITEMHEIGHT, 0, list.rowHeight());
    SendMessageA(window, LB_SETCOUNT, list.rowCount(), 0);
  }
  SendMessageA(window, LB_SETCURSEL, list.selectedIndex(), 0);
  if (SendMessageA(window, LB_GETTOPINDEX, 0, 0) != list.topIndex()) {
    SendMessageA(window, LB_SETTOPINDEX, list.topIndex(), 0);
  }
  InvalidateRect(window, nullptr, FALSE);
}

}  // namespace

void Renderer::InitializeList(Control& control, HWND window) {
  switch (control.kind()) {
    case ControlKind::ListView:
      SetWindowSubclass(window, ListViewProc, 0, reinterpret_cast<DWORD_PTR>(this));
      SyncList(control, window, Property::Columns);
      break;
    case ControlKind::TreeView:
      SyncList(control, window, Property::Columns);
      break;
    case ControlKind::ListBox:
      // Mouse presses carry their coordinates to the model; the system class alone keeps them.
      SetWindowSubclass(window, ListBoxProc, 0, reinterpret_cast<DWORD_PTR>(this));
      SyncList(control, window, Property::Items);
      break;
    default:
      break;
  }
}

void Renderer::SyncList(Control& control, HWND window, Property property) {
  const bool wasApplying = applying_;
  applying_ = true;
  if (control.kind() == ControlKind::ListView) {
    const auto& list = static_cast<const ListView&>(control);
    if (property == Property::Columns) SyncColumns(list, window);
    if (property != Property::Selection) SyncRows(list, window);
    SyncSelection(list, window);
  } else if (control.kind() == ControlKind::ListBox) {
    SyncListBox(static_cast<const ListBox&>(control), window, property);
  } else if (control.kind() == ControlKind::TreeView) {
    auto& items = treeItems_[&control];
    SyncTree(static_cast<const TreeView&>(control), window, property, items);
  } else {
    SyncValue(control, window);
  }
  applying_ = wasApplying;
}

bool Renderer::HandleCommand(Control& control, HWND window, WORD code) {
  switch (control.kind()) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      if (code != BN_CLICKED) return false;
      control.Click();
      return true;
    case ControlKind::ListBox:
      if (code != LBN_SELCHANGE || applying_) return false;
      static_cast<ListBox&>(control).SetSelectedIndex(
          static_cast<int>(SendMessageA(window, LB_GETCURSEL, 0, 0)));
      return true;
    default:
      return HandleValueCommand(control, window, code);
  }
}

bool Renderer::HandleNotify(Control& control, LPARAM lParam, LRESULT& result) {
  if (control.kind() == ControlKind::TreeView) {
    const auto* change = reinterpret_cast<const NMTREEVIEWA*>(lParam);
    if (change->hdr.code != TVN_SELCHANGEDA) return false;
    if (!applying_) {
      static_cast<TreeView&>(control).SetSelectedNode(
          change->itemNew.hItem == nullptr ? TreeView::kNone
                                           : static_cast<int>(change->itemNew.lParam));
    }
    return true;
  }
  if (control.kind() != ControlKind::ListView) return HandleValueNotify(control, lParam);
  auto& list = static_cast<ListView&>(control);
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  switch (header->code) {
    case LVN_ITEMCHANGED: {
      if (applying_) return true;
      const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
      if (!(change->uChanged & LVIF_STATE)) return true;
      const UINT gained = change->uNewState & ~change->uOldState;
      const UINT lost = change->uOldState & ~change->uNewState;
      if (gained & LVIS_SELECTED) {
        list.SetSelectedIndex(change->iItem);
      } else if ((lost & LVIS_SELECTED) &&
                 SendMessageA(header->hwndFrom, LVM_GETNEXTITEM, -1, LVNI_SELECTED) == -1) {
        list.SetSelectedIndex(ListView::kNone);
      }
      const UINT oldImage = change->uOldState & LVIS_STATEIMAGEMASK;
      const UINT newImage = change->uNewState & LVIS_STATEIMAGEMASK;
      if (list.checkBoxes() && oldImage != 0 && newImage != oldImage && change->iItem >= 0) {
        (void)list.SetChecked(change->iItem, newImage == CheckState(true));
      }
      return true;
    }
    case NM_DBLCLK:
      if (list.onDoubleClick) list.onDoubleClick();
      return true;
    case NM_CUSTOMDRAW: {
      auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
      switch (draw->nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
          result = CDRF_NOTIFYITEMDRAW;
          return true;
        case CDDS_ITEMPREPAINT:
          result = CDRF_NOTIFYSUBITEMDRAW;
          return true;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
          draw->clrText = ToColorRef(
              list.CellTextColor(static_cast<int>(draw->nmcd.dwItemSpec), draw->iSubItem));
          result = CDRF_DODEFAULT;
          return true;
        default:
          result = CDRF_DODEFAULT;
          return true;
      }
    }
    case LVN_GETDISPINFOA: {
      auto* info = reinterpret_cast<NMLVDISPINFOA*>(lParam);
      const ListRow row = list.Row(info->item.iItem);
      if (info->item.mask & LVIF_TEXT) {
        const int column = info->item.iSubItem;
        textBuffer_ = column == 0 ? row.caption
                      : static_cast<std::size_t>(column) <= row.subItems.size()
                          ? row.subItems[static_cast<std::size_t>(column - 1)]
                          : std::string();
        if (info->item.cchTextMax > 0) {
          const std::size_t length =
              std::min(textBuffer_.size(), static_cast<std::size_t>(info->item.cchTextMax - 1));
          std::memcpy(info->item.pszText, textBuffer_.data(), length);
          info->item.pszText[length] = '\0';
        }
      }
      if ((info->item.mask & LVIF_STATE) && list.checkBoxes()) {
        info->item.stateMask |= LVIS_STATEIMAGEMASK;
        info->item.state = (info->item.state & ~LVIS_STATEIMAGEMASK) | CheckState(row.checked);
      }
      return true;
    }
    default:
      return false;
  }
}

void Renderer::DrawListRow(Control& control, const DRAWITEMSTRUCT& item) {
  if (control.kind() != ControlKind::ListBox) return;
  const auto& list = static_cast<const ListBox&>(control);
  const int row = static_cast<int>(item.itemID);
  if (item.itemID == static_cast<UINT>(-1) || row >= list.rowCount() || !list.onDrawItem) return;
  Win32Canvas canvas(item.hDC, gdi_);
  const Rect rect{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
  list.onDrawItem(canvas, row, rect, row == list.selectedIndex());
}

LRESULT CALLBACK Renderer::ListBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR data) {
  if (message != WM_LBUTTONDOWN && message != WM_RBUTTONDOWN) {
    return DefSubclassProc(window, message, wParam, lParam);
  }
  // The system selects the row first; the model then hears of the press where it happened.
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  auto* renderer = reinterpret_cast<Renderer*>(data);
  auto* list = reinterpret_cast<ListBox*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (renderer == nullptr || list == nullptr) return result;
  // The model takes the row the press selected and the scroll position before it hears of the
  // press, so that it finds the row under the pointer (and does not push back a stale choice).
  // Both are read first: passing one to the model makes the renderer apply the other.
  const int selected = static_cast<int>(SendMessageA(window, LB_GETCURSEL, 0, 0));
  const int top = static_cast<int>(SendMessageA(window, LB_GETTOPINDEX, 0, 0));
  const bool wasApplying = renderer->applying_;
  renderer->applying_ = true;
  list->SetTopIndex(top);
  list->SetSelectedIndex(selected);
  renderer->applying_ = wasApplying;
  list->MouseDown(message == WM_LBUTTONDOWN ? MouseButton::Left : MouseButton::Right,
                  {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  return result;
}

LRESULT CALLBACK Renderer::ListViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR) {
  auto* list = reinterpret_cast<ListView*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if ((message != WM_LBUTTONDOWN && message != WM_LBUTTONDBLCLK) || list == nullptr ||
      !list->onRowPress) {
    return DefSubclassProc(window, message, wParam, lParam);
  }
  LVHITTESTINFO hit{};
  hit.pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const int row =
      static_cast<int>(SendMessageA(window, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  // A press the model takes never reaches the system, which would toggle the box itself.
  if (row >= 0 && list->TakesRowPress(row, (hit.flags & LVHT_ONITEMSTATEICON) != 0)) return 0;
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace halvex::ui::win32
