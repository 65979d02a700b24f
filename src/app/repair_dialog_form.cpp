#include "app/repair_dialog_form.h"

#include "app/product.h"
#include "repair/repair_driver.h"

namespace halvex::app {

TRepairDialogForm::TRepairDialogForm(model::ScanModel& model)
    : ui::Form("RepairDialogForm"), model_(model) {
  borderStyle = ui::BorderStyle::Dialog;
  alwaysOnTop = true;
  centred = true;
  SetCaption(kProductName);
  SetBounds(ui::Rect::At(0, 0, kWidth, kHeight));

  Animate.SetBounds(ui::Rect::At(12, 8, 272, 60));
  AddChild(Animate);
  // A 13-pixel font.
  abRepair.SetFont({.pointSize = 10});
  abRepair.SetBounds(ui::Rect::At(12, 72, kWidth - 24 - 80, 20));
  AddChild(abRepair);
  CancelBtn.SetBounds(ui::Rect::At(kWidth - 12 - 75, kHeight - 12 - 25, 75, 25));
  CancelBtn.onClick = [this] { CancelBtnClick(); };
  AddChild(CancelBtn);
  // The close box hides the dialog as every window's does; only Cancel stops the repair.
}

void TRepairDialogForm::CancelBtnClick() {
  scan::CancelRepair(model_);
  Close();
}

}  // namespace halvex::app
