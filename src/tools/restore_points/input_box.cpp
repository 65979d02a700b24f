#include "tools/restore_points/input_box.h"

namespace halvex::tools {

TInputBoxForm::TInputBoxForm(std::string caption, std::string prompt, std::string text)
    : ui::Form("InputBox") {
  SetCaption(std::move(caption));
  borderStyle = ui::BorderStyle::Dialog;
  SetBounds(ui::Rect::At(0, 0, 320, 120));
  LabelPrompt.SetCaption(std::move(prompt));
  LabelPrompt.SetBounds(ui::Rect::At(8, 8, 300, 16));
  EditValue.SetBounds(ui::Rect::At(8, 28, 300, 21));
  EditValue.SetText(std::move(text));
  OkBtn.SetBounds(ui::Rect::At(144, 80, 75, 25));
  OkBtn.modalResult = ui::ModalResult::Ok;
  OkBtn.isDefault = true;
  CancelBtn.SetBounds(ui::Rect::At(233, 80, 75, 25));
  CancelBtn.modalResult = ui::ModalResult::Cancel;
  AddChild(LabelPrompt);
  AddChild(EditValue);
  AddChild(OkBtn);
  AddChild(CancelBtn);
}

std::optional<std::string> InputBox(ui::WindowSystem& windows, std::string caption,
                                    std::string prompt, std::string text) {
  TInputBoxForm box(std::move(caption), std::move(prompt), std::move(text));
  if (windows.ShowModal(box) != ui::ModalResult::Ok) return std::nullopt;
  return box.EditValue.text();
}

}  // namespace halvex::tools
