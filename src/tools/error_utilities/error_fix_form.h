#pragma once
// TErrorFixForm, the error utilities: the known errors of errorlist.txt and four built-in ones
// with their descriptions; "Repair" applies the ticked rows' registry actions, "Report" opens
// the error report mail.
#include <memory>
#include <string>
#include <vector>

#include "tools/error_utilities/error_list_file.h"
#include "tools/error_utilities/error_repair.h"
#include "tools/tool_window.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/program_services.h"

namespace halvex::tools {

inline constexpr std::string_view kDownloadingErrorList = "Downloading data, please wait...";
inline constexpr std::string_view kSystemErrorFixed = "System error has fixed!";
inline constexpr std::string_view kErrorsNotFullyFixed =
    "These errors were not fully fixed, some of their registry entries could not be changed:";
inline constexpr std::string_view kReinstallWarning =
    "Warming: This repair option is just suitable for the case that IE was incompletely\r"
    "uninstalled and leaded to the problem of unable to re-install IE. If your IE works\r"
    "fine or it hasn't been uninstalled, please DO NOT choose this option, otherwise\r"
    "it will cause error to IE. Do you continue to select this option?";

// The message after a repair: kSystemErrorFixed when every action of the repaired rows was
// applied, otherwise kErrorsNotFullyFixed with the names of the rows that were not.
std::string RepairMessage(const std::vector<errors::ErrorRepair>& repairs);

class TErrorFixForm : public ToolWindow {
 public:
  explicit TErrorFixForm(const ui::ProgramServices& services);

  // Fetches errorlist.txt when it is missing and fills the list.
  void FormCreate();
  void listerrorSelectItem();
  void cbSelectAllClick();
  // The IE re-install rows: a press unticks them, a press on the box asks before ticking.
  bool listerrorMouseDown(int row, bool onCheckBox);
  void RepairSelectedErrors();
  void BitBtn2Click();

  const errors::TErrorContents& contents() const { return list_.contents; }

  ui::Edit IntroMemo{"IntroMemo", true};
  ui::ListView listerror{"listerror"};
  ui::Label abDescription{"abDescription", "  Error description"};
  ui::Edit MemoText{"MemoText", true};
  ui::CheckBox cbSelectAll{"cbSelectAll", ""};
  ui::Label abSelectAll{"abSelectAll", "Select All"};
  ui::Button BitBtn1{"BitBtn1", "Repair"};
  ui::Button BitBtn2{"BitBtn2", "Report"};

 private:
  const ui::ProgramServices& services_;
  errors::ErrorList list_;
};

std::unique_ptr<ToolWindow> MakeErrorFixWindow(const ui::ProgramServices& services);

}  // namespace halvex::tools
