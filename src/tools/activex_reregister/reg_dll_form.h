#pragma once
// TFormRegDll: registers again every control of the system folder, one at a time, and lists
// each file with the registration program's outcome. Stop ends the run before the next file.
#include <memory>

#include "tools/tool_window.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/list_view.h"
#include "ui/program_services.h"

namespace halvex::tools {

class TFormRegDll : public ToolWindow {
 public:
  explicit TFormRegDll(const ui::ProgramServices& services);

  ui::Edit MemoInfo{"MemoInfo", true};
  ui::ListView lvActivexDLL{"lvActivexDLL"};
  ui::Button btnRepair{"btnRepair", "re-register"};
  ui::Button btnStop{"btnStop", "Stop"};

  void btnRepairClick();
  void btnStopClick() { running_ = false; }
  void lvActivexDLLResize();

  bool running() const { return running_; }

 private:
  const ui::ProgramServices& services_;
  bool running_ = false;  // the run flag: true while a run may go on
};

std::unique_ptr<ToolWindow> MakeRegDllWindow(const ui::ProgramServices& services);

}  // namespace halvex::tools
