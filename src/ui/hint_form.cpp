#include "ui/hint_form.h"

namespace halvex::ui {

THintForm::THintForm() : Form("HintForm") {
  borderStyle = ui::BorderStyle::None;
  alwaysOnTop = true;
  SetBounds(ui::Rect::At(0, 0, 261, 57));
  SetColor(ui::colors::kWhite);

  TitlePanel.SetBounds(ui::Rect::At(0, 0, 261, 20));
  TitlePanel.SetColor(ui::Color::System(ui::SystemColor::AppWorkspace));
  TitlePanel.SetCaption("Hint");
  TitlePanel.captionAlign = ui::TextAlign::Left;
  TitlePanel.SetFont({.pointSize = 10, .bold = true, .color = ui::colors::kWhite});
  AddChild(TitlePanel);

  LabelMsg.SetBounds(ui::Rect::At(4, 24, 253, 28));
  LabelMsg.SetAlignment(ui::TextAlign::Center);
  LabelMsg.SetFont({.color = ui::colors::kNavy});
  AddChild(LabelMsg);
}

}  // namespace halvex::ui
