// The small control kinds: what each holds beyond the common state, and how the portable ones
// paint themselves.
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/notebook.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/tree_view.h"

namespace halvex::ui {

namespace {

Rect OwnArea(const Control& control) {
  const Rect placed = control.PlacedBounds();
  return Rect::At(0, 0, placed.width(), placed.height());
}

}  // namespace

void Panel::Paint(Canvas& canvas) const {
  const Rect area = OwnArea(*this);
  canvas.FillRect(area, EffectiveColor());
  if (!caption().empty()) canvas.DrawText(area, caption(), font(), captionAlign);
}

void Label::SetAlignment(TextAlign alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Notify(Property::Look);
}

void Label::Paint(Canvas& canvas) const {
  const Rect area = OwnArea(*this);
  canvas.FillRect(area, EffectiveColor());
  canvas.DrawText(area, caption(), font(), alignment_);
}

void Picture::SetImageList(const ImageList* list) {
  if (list == imageList_) return;
  imageList_ = list;
  Notify(Property::Image);
}

void Picture::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Notify(Property::Image);
}

void Picture::SetHoverImageIndex(int index) {
  if (index == hoverImageIndex_) return;
  hoverImageIndex_ = index;
  Notify(Property::Image);
}

int Picture::DisplayedImage() const {
  return hovered() && hoverImageIndex_ != kNoImage ? hoverImageIndex_ : imageIndex_;
}

void Picture::SetOverlayText(std::string text) {
  if (text == overlayText_) return;
  overlayText_ = std::move(text);
  Notify(Property::Look);
}

void Picture::SetFileIcon(std::string path) {
  if (path == fileIcon_) return;
  fileIcon_ = std::move(path);
  Notify(Property::Image);
}

void Picture::Paint(Canvas& canvas) const {
  const Rect area = OwnArea(*this);
  canvas.FillRect(area, EffectiveColor());
  if (imageList_ != nullptr) canvas.DrawImage(*imageList_, DisplayedImage(), {0, 0});
  if (!fileIcon_.empty()) canvas.DrawFileIcon(fileIcon_, {0, 0});
  if (!overlayText_.empty()) {
    Font overlay = font();
    overlay.pointSize = 9;
    canvas.DrawText(area, overlayText_, overlay, TextAlign::Center);
  }
}

bool Button::Click() {
  if (!Control::Click()) return false;
  if (modalResult != ModalResult::None) {
    for (Control* up = parent(); up != nullptr; up = up->parent()) {
      if (auto* form = dynamic_cast<Form*>(up)) {
        form->SetModalResult(modalResult);
        break;
      }
    }
  }
  return true;
}

void CheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Notify(Property::Checked);
  if (onClick) onClick();
}

bool CheckBox::Click() {
  if (!IsShowing() || !enabled()) return false;
  SetChecked(!checked_);
  return true;
}

void Edit::SetReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  Notify(Property::ReadOnly);
}

void Edit::SetText(std::string text) {
  if (text == caption()) return;
  SetCaption(std::move(text));
  if (onChange) onChange();
}

bool RadioButton::Click() {
  if (!IsShowing() || !enabled()) return false;
  Choose();
  return true;
}

void RadioButton::Choose() {
  if (Control* group = parent()) {
    for (Control* sibling : group->children()) {
      if (auto* other = dynamic_cast<RadioButton*>(sibling); other != nullptr && other != this) {
        other->SetChecked(false);
      }
    }
  }
  SetChecked(true);
}

void GroupBox::Paint(Canvas& canvas) const {
  const Rect area = OwnArea(*this);
  canvas.FillRect(area, EffectiveColor());
  // The frame runs through the middle of the caption's line; the caption hides it there.
  constexpr int kCaptionHeight = 14;
  canvas.FrameRect({area.left, area.top + kCaptionHeight / 2, area.right, area.bottom},
                   kFrameColor);
  if (caption().empty()) return;
  const Rect label = Rect::At(8, 0, canvas.TextWidth(caption(), font()) + 6, kCaptionHeight);
  canvas.FillRect(label, EffectiveColor());
  canvas.DrawText(label.Inflated(-3, 0), caption(), font(), TextAlign::Left);
}

int TreeView::AddNode(int parent, std::string caption) {
  if (parent != kRoot && (parent < 0 || parent >= static_cast<int>(nodes_.size()))) return kNone;
  nodes_.push_back({std::move(caption), parent});
  Notify(Property::Items);
  return static_cast<int>(nodes_.size()) - 1;
}

void TreeView::Clear() {
  const bool hadSelection = selected_ != kNone;
  nodes_.clear();
  selected_ = kNone;
  Notify(Property::Items);
  if (hadSelection && onSelect) onSelect();
}

void TreeView::SetSelectedNode(int node) {
  if (node < 0 || node >= static_cast<int>(nodes_.size())) node = kNone;
  if (node == selected_) return;
  selected_ = node;
  Notify(Property::Selection);
  if (onSelect) onSelect();
}

void Notebook::PageChosen(int index) {
  const int before = pageIndex_;
  SetPageIndex(index);
  if (pageIndex_ != before && onChange) onChange();
}

void Notebook::AddPage(Panel& page) {
  page.SetAlign(Align::Client);
  page.SetVisible(static_cast<int>(children().size()) == pageIndex_);
  AddChild(page);
}

void Notebook::SetPageIndex(int index) {
  if (index < 0 || index >= pageCount()) return;
  pageIndex_ = index;
  Notify(Property::Selection);
  // Show the new page before hiding the old one, so that nothing flickers through.
  children()[static_cast<std::size_t>(index)]->SetVisible(true);
  for (int i = 0; i < pageCount(); ++i) {
    if (i != index) children()[static_cast<std::size_t>(i)]->SetVisible(false);
  }
}

int Notebook::PageIndexOf(std::string_view pageName) const {
  for (int i = 0; i < pageCount(); ++i) {
    if (children()[static_cast<std::size_t>(i)]->name() == pageName) return i;
  }
  return -1;
}

std::string Notebook::ActivePageName() const {
  if (pageIndex_ < 0 || pageIndex_ >= pageCount()) return {};
  return children()[static_cast<std::size_t>(pageIndex_)]->name();
}

}  // namespace halvex::ui
