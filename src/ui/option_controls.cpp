// The controls of dialogs with settings: tabbed pages, group frames, number boxes and time
// pickers.
#include <algorithm>
#include <charconv>

#include "ui/group_box.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/spin_edit.h"
#include "ui/time_picker.h"

namespace halvex::ui {

void TabSheet::Paint(Canvas& canvas) const {
  const Rect placed = PlacedBounds();
  canvas.FillRect(Rect::At(0, 0, placed.width(), placed.height()), EffectiveColor());
}

void PageControl::AddPage(TabSheet& page) {
  Notebook::AddPage(page);
  page.SetAlign(Align::None);
  page.SetBounds(PageArea());
}

Rect PageControl::PageArea() const {
  const Rect placed = PlacedBounds();
  return Rect::At(kMargin, kTabHeight + kMargin, placed.width() - 2 * kMargin,
                  placed.height() - kTabHeight - 2 * kMargin);
}

bool PageControl::SelectPage(int index) {
  if (!IsShowing() || !enabled() || index < 0 || index >= pageCount()) return false;
  if (index == pageIndex()) return true;
  SetPageIndex(index);
  if (onChange) onChange();
  return true;
}

void GroupBox::Paint(Canvas& canvas) const {
  const Rect placed = PlacedBounds();
  const Rect area = Rect::At(0, 0, placed.width(), placed.height());
  canvas.FillRect(area, EffectiveColor());
  // The frame runs through the middle of the caption's line; the caption covers it.
  const int lineHeight = 14;
  canvas.FrameRect(Rect::At(0, lineHeight / 2, area.width(), area.height() - lineHeight / 2),
                   Color::System(SystemColor::ButtonShadow));
  if (!caption().empty()) {
    const std::string text = " " + caption() + " ";
    const Rect behind =
        Rect::At(8, 0, std::min(canvas.TextWidth(text, font()), area.width() - 16), lineHeight);
    canvas.FillRect(behind, EffectiveColor());
    canvas.DrawText(behind, text, font(), TextAlign::Left);
  }
}

SpinEdit::SpinEdit(std::string name, int minimum, int maximum)
    : Control(ControlKind::SpinEdit, std::move(name)),
      minimum_(minimum),
      maximum_(maximum < minimum ? minimum : maximum),
      value_(minimum) {
  SetCaption(std::to_string(value_));
}

void SpinEdit::SetValue(int value) {
  if (value < minimum_) value = minimum_;
  if (value > maximum_) value = maximum_;
  if (value == value_) return;
  value_ = value;
  SetCaption(std::to_string(value_));
  Notify(Property::Value);
  if (onChange) onChange();
}

void SpinEdit::SetText(std::string_view text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error == std::errc::result_out_of_range) {
    SetValue(text.starts_with('-') ? minimum_ : maximum_);
    return;
  }
  if (error != std::errc{} || end != text.data() + text.size()) return;
  SetValue(number);
}

TimePicker::TimePicker(std::string name, int hour, int minute)
    : Control(ControlKind::TimePicker, std::move(name)), hour_(0), minute_(0) {
  (void)SetTime(hour, minute);
}

bool TimePicker::SetTime(int hour, int minute) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return false;
  if (hour == hour_ && minute == minute_) return true;
  hour_ = hour;
  minute_ = minute;
  Notify(Property::Value);
  if (onChange) onChange();
  return true;
}

}  // namespace halvex::ui
