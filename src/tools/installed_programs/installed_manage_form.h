#pragma once
// TInstalledManageForm, the add/remove programs manager's window: the installed programs, the
// details of the selected one, and Refresh, Uninstall and Remove.
#include <memory>

#include "tools/tool_window.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/program_services.h"

namespace halvex::tools {

class TInstalledManageForm final : public ToolWindow {
 public:
  explicit TInstalledManageForm(const ui::ProgramServices& services);

  ui::ListView ListInstalled{"ListInstalled"};
  ui::Label PanelText{"PanelText"};
  ui::ListView ListDetail{"ListDetail"};
  ui::Button TbtRefresh{"TbtRefresh", "Refresh"};
  ui::Button TbtUninstall{"TbtUninstall", "Uninstall"};
  ui::Button TbrRemove{"TbrRemove", "Remove"};

  void ListInstalledPrograms();
  void ShowProgramDetails(const std::string& keyPath);

 private:
  void ListInstalledClick();
  void TbtUninstallClick();
  void TbrRemoveClick();
  void FormResize();
  // The selected row's uninstall command and key path: taken when a button is pressed, so that
  // a selection moved with the keyboard, or a refilled list, never makes a button act on
  // another program than the one the user sees selected.
  bool SelectedProgram(std::string& command, std::string& keyPath);

  const ui::ProgramServices& services_;
};

std::unique_ptr<ToolWindow> MakeInstalledManageWindow(const ui::ProgramServices& services);

}  // namespace halvex::tools
