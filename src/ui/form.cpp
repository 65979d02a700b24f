#include "ui/form.h"

namespace halvex::ui {

Form::Form(std::string name, std::string windowClass)
    : Control(ControlKind::Form, std::move(name)), windowClass_(std::move(windowClass)) {
  // A window shows when it is shown, not when it is made.
  SetVisible(false);
  SetColor(Color::System(SystemColor::ButtonFace));
}

void Form::SetRoundedRegion(int ellipseWidth, int ellipseHeight, int margin) {
  RoundedRegion region{
      ellipseWidth, ellipseHeight, margin,
      Rect::At(0, 0, bounds().width(), bounds().height()).Inflated(margin, margin)};
  if (region_ == region) return;
  region_ = region;
  Notify(Property::Region);
}

void Form::SetModalResult(ModalResult result) {
  modalResult_ = result;
  Notify(Property::Look);
}

void Form::Shown() {
  if (onShow) onShow();
}

void Form::Activated() {
  if (onActivate) onActivate();
}

void Form::Resized(Size clientSize) {
  const Rect& old = bounds();
  SetBounds(Rect::At(old.left, old.top, clientSize.width, clientSize.height));
  if (onResize) onResize();
}

void Form::Close() {
  CloseAction action = CloseAction::Hide;
  if (onClose) onClose(action);
  if (action != CloseAction::Hide) return;
  if (modalResult_ == ModalResult::None) modalResult_ = ModalResult::Cancel;
  SetVisible(false);
}

namespace {

Button* FindDefaultButton(Control& control) {
  if (auto* button = dynamic_cast<Button*>(&control); button != nullptr && button->isDefault) {
    return button;
  }
  for (Control* child : control.children()) {
    if (Button* found = FindDefaultButton(*child)) return found;
  }
  return nullptr;
}

}  // namespace

Button* Form::DefaultButton() {
  return FindDefaultButton(*this);
}

bool Form::EnterPressed() {
  Button* button = DefaultButton();
  return button != nullptr && button->Click();
}

bool Form::HandleMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  return onMessage && onMessage(message, wParam, lParam);
}

void Form::TaskbarCreated() {
  if (onTaskbarCreated) onTaskbarCreated();
}

}  // namespace halvex::ui
