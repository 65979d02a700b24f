#pragma once
// TFormMalignant: the ActiveX blocker's window. It fetches "Code" when missing, lists the
// controls with their kill flags, and locks the ticked ones or unlocks all.
#include <memory>
#include <vector>

#include "tools/activex_blocker/blocked_controls.h"
#include "tools/tool_window.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/program_services.h"
#include "ui/progress_bar.h"

namespace halvex::tools {

class TFormMalignant : public ToolWindow {
 public:
  explicit TFormMalignant(const ui::ProgramServices& services);

  ui::Label LabelTitle{"LabelTitle", "Block the malignant ActiveX Controls to protect your PC"};
  ui::Label LabelList{"LabelList"};
  ui::Edit MemoInfo{"MemoInfo", true};
  ui::Label ImageWarning{"ImageWarning", "!"};
  ui::Label LabelWarning{"LabelWarning"};
  ui::Label LabelHint{"LabelHint"};  // "Downloading data, please wait..." while fetching
  ui::ProgressBar ProtectGauge{"ProtectGauge"};
  ui::ListView ListActiveX{"ListActiveX"};
  ui::CheckBox ChkList{"ChkList", ""};
  ui::Label LabelSelectAll{"LabelSelectAll", "Select All"};
  ui::Button ImmunizeBtn{"ImmunizeBtn", "Lock"};
  ui::Button UnImmunizeBtn{"UnImmunizeBtn", "UnLock"};

  void FormShow();
  void ChkListClick();
  void ImmunizeBtnClick();
  void UnImmunizeBtnClick();

  const std::vector<activex::ControlRow>& rows() const { return rows_; }

 private:
  void FetchList();
  void ListBlockedControls();
  void ShowRows();
  void TakeTicks();
  void ShowWarning(std::size_t notLocked);
  void SetGauge(std::size_t counted, std::size_t total);
  void FitColumns();

  const ui::ProgramServices& services_;
  std::vector<activex::ControlRow> rows_;
};

std::unique_ptr<ToolWindow> MakeMalignantWindow(const ui::ProgramServices& services);

}  // namespace halvex::tools
