#pragma once
// TRepairDialogForm: the small window on top while a repair runs. abRepair shows the problem
// being repaired; Cancel stops the repair before its next problem. Its close box only hides
// it: the repair goes on to the end.
#include "model/scan_model.h"
#include "ui/animation.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/label.h"

namespace halvex::app {

class TRepairDialogForm : public ui::Form {
 public:
  static constexpr int kWidth = 425;
  static constexpr int kHeight = 105;

  explicit TRepairDialogForm(model::ScanModel& model);

  void CancelBtnClick();

  ui::Label abRepair{"abRepair", "Repair"};
  // The system's file-deletion animation, playing from the dialog's creation.
  ui::Animation Animate{"Animate", ui::SystemAnimation::DeleteFile};
  ui::Button CancelBtn{"CancelBtn", "Cancel"};

 private:
  model::ScanModel& model_;
};

}  // namespace halvex::app
