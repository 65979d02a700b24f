#pragma once
// TSysRestoreForm: the system restore points, with Create, Refresh, Restore and Delete.
#include <memory>

#include "tools/tool_window.h"
#include "ui/button.h"
#include "ui/list_view.h"
#include "ui/panel.h"
#include "ui/program_services.h"

namespace halvex::tools {

class TSysRestoreForm : public ToolWindow {
 public:
  explicit TSysRestoreForm(const ui::ProgramServices& services);

  ui::Panel PicturePanel{"PicturePanel"};
  ui::ListView RestoreListView{"RestoreListView"};
  ui::Button BackupButton{"BackupButton", "Create a Restore Point"};
  ui::Button RefreshButton{"RefreshButton", "Refresh"};
  ui::Button RestoreButton{"RestoreButton", "Restore"};
  ui::Button DeleteButton{"DeleteButton", "Delete"};

  void FormShow();
  void ListRestorePoints();
  void BackupButtonClick();
  void RestoreButtonClick();
  void DeleteButtonClick();

 private:
  void FitColumns();
  // The selected row's sequence number; nullopt with no row selected.
  std::optional<std::uint32_t> SelectedSequence() const;
  // False, after showing the service's error in the error box, when it raised one.
  bool Answered(const platform::RestorePointAnswer& answer);

  const ui::ProgramServices& services_;
};

std::unique_ptr<ToolWindow> MakeSysRestoreWindow(const ui::ProgramServices& services);

}  // namespace halvex::tools
