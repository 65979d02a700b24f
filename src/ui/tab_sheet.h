#pragma once
// A page of a tab control: its caption is the tab's, so the page does not show it again.
#include "ui/panel.h"

namespace halvex::ui {

class TabSheet : public Panel {
 public:
  TabSheet(std::string name, std::string caption) : Panel(std::move(name)) {
    SetCaption(std::move(caption));
  }
  void Paint(Canvas& canvas) const override {
    const Rect placed = PlacedBounds();
    canvas.FillRect(Rect::At(0, 0, placed.width(), placed.height()), EffectiveColor());
  }
};

}  // namespace halvex::ui
