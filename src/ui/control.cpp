#include "ui/control.h"

#include <algorithm>

namespace halvex::ui {

Control::Control(ControlKind kind, std::string name) : kind_(kind), name_(std::move(name)) {}

Control::~Control() {
  if (parent_ != nullptr) parent_->RemoveChild(*this);
  if (observer_ != nullptr) observer_->ControlRemoved(*this);
  // Children that outlive their parent (members declared before it) become roots.
  for (Control* child : children_) child->parent_ = nullptr;
}

void Control::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Notify(Property::Caption);
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (!visible) hovered_ = false;
  Notify(Property::Visible);
}

bool Control::IsShowing() const {
  for (const Control* control = this; control != nullptr; control = control->parent_) {
    if (!control->visible_) return false;
  }
  return true;
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Notify(Property::Enabled);
}

void Control::SetBounds(const Rect& bounds) {
  if (bounds == bounds_) return;
  bounds_ = bounds;
  Notify(Property::Bounds);
}

void Control::SetAlign(Align align) {
  if (align == align_) return;
  align_ = align;
  Notify(Property::Bounds);
}

Rect Control::PlacedBounds() const {
  if (align_ == Align::Client && parent_ != nullptr) {
    return Rect::At(0, 0, parent_->bounds_.width(), parent_->bounds_.height());
  }
  return bounds_;
}

void Control::SetFont(const Font& font) {
  if (font == font_) return;
  font_ = font;
  Notify(Property::Font);
}

void Control::SetColor(Color color) {
  if (hasColor_ && color == color_) return;
  hasColor_ = true;
  color_ = color;
  Notify(Property::Color);
}

Color Control::EffectiveColor() const {
  for (const Control* control = this; control != nullptr; control = control->parent_) {
    if (control->hasColor_) return control->color_;
  }
  return Color::System(SystemColor::ButtonFace);
}

void Control::AddChild(Control& child) {
  if (child.parent_ == this) return;
  if (child.parent_ != nullptr) child.parent_->RemoveChild(child);
  child.parent_ = this;
  children_.push_back(&child);
  if (observer_ != nullptr) {
    child.SetObserver(observer_);
    observer_->ChildAdded(*this, child);
  }
}

void Control::RemoveChild(Control& child) {
  const auto found = std::find(children_.begin(), children_.end(), &child);
  if (found == children_.end()) return;
  if (child.observer_ != nullptr) child.observer_->ControlRemoved(child);
  child.SetObserver(nullptr);
  children_.erase(found);
  child.parent_ = nullptr;
}

Control* Control::Find(std::string_view name) {
  if (name_ == name) return this;
  for (Control* child : children_) {
    if (Control* found = child->Find(name)) return found;
  }
  return nullptr;
}

bool Control::Click() {
  if (!IsShowing() || !enabled_) return false;
  if (onClick) onClick();
  return true;
}

bool Control::MouseDown(MouseButton button, Point at) {
  if (!IsShowing() || !enabled_) return false;
  if (onMouseDown) onMouseDown(button, at);
  return true;
}

void Control::MouseEnter() {
  if (hovered_) return;
  hovered_ = true;
  Notify(Property::Look);
  if (onMouseEnter) onMouseEnter();
}

void Control::MouseLeave() {
  if (!hovered_) return;
  hovered_ = false;
  Notify(Property::Look);
  if (onMouseLeave) onMouseLeave();
}

void Control::Paint(Canvas&) const {}

void Control::SetObserver(ControlObserver* observer) {
  observer_ = observer;
  for (Control* child : children_) child->SetObserver(observer);
}

void Control::Notify(Property property) {
  if (observer_ != nullptr) observer_->ControlChanged(*this, property);
}

}  // namespace halvex::ui
