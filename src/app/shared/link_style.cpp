#include "app/shared/link_style.h"

namespace halvex::app::link_style {

void SetLinkColor(ui::Label& label, ui::Color color) {
  ui::Font font = label.font();
  font.color = color;
  label.SetFont(font);
}

void SetUnderline(ui::Label& label, bool underline) {
  ui::Font font = label.font();
  font.underline = underline;
  label.SetFont(font);
}

void MakeLink(ui::Label& label, HoverUnderline underline) {
  SetLinkColor(label, kNormal);
  const bool withUnderline = underline == HoverUnderline::Yes;
  label.onMouseEnter = [&label, withUnderline] {
    SetLinkColor(label, kHover);
    if (withUnderline) SetUnderline(label, true);
  };
  label.onMouseLeave = [&label, withUnderline] {
    SetLinkColor(label, kNormal);
    if (withUnderline) SetUnderline(label, false);
  };
}

}  // namespace halvex::app::link_style
