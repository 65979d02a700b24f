#pragma once
// The "Repair" page of the scan sheet after a scan that found problems: the result list
// RepairGrid, one row per section with problems under an "All Problems" row, and the owner-drawn
// problem list ProblemsListBox with the four description lines and the repair mark of every
// problem of the chosen row. The marks live in the problem records, not in the list.
#include <optional>
#include <string>
#include <vector>

#include "app/data_module.h"
#include "app/scan_sheet.h"
#include "model/scan_model.h"
#include "platform/file_system.h"
#include "platform/message_boxes.h"
#include "ui/button.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/panel.h"

namespace halvex::app {

class ResultsView {
 public:
  ResultsView(ScanSheet& sheet, TDM& dm, model::ScanModel& model, platform::FileSystem& files,
              platform::MessageBoxes& messages);
  ResultsView(const ResultsView&) = delete;
  ResultsView& operator=(const ResultsView&) = delete;

  // Rebuilds the result list from the section collections and shows the first row.
  void FillResultList();
  // Empties both lists (a new scan, or the end of a repair).
  void Clear();
  void RepairGridSelectItem();
  // Fills the problem list with section 1 .. 17's problems, or all of them for 0.
  void ShowSectionProblems(int section);
  void ProblemsListBoxDrawItem(ui::Canvas& canvas, int row, const ui::Rect& rect, bool selected);
  void ProblemsListBoxMouseDown(ui::MouseButton button, ui::Point at);
  // Adds the problem of the selected problem row to the ignore list and takes it out of the
  // results; nothing without a selected problem row. ExcludeButton shows only while one is.
  void ExcludeProblem();
  // Select All on the "Repair" page: marks or unmarks every problem of the chosen row.
  void SelectAll(bool mark);

  // The section number the selected result row stands for; nullopt with no row selected.
  std::optional<int> selectedSection() const;
  // The section number of every result row, top to bottom (0 for "All Problems"): what the
  // repair and its backup work through.
  const std::vector<int>& resultRowSections() const { return rowSections_; }

  ui::ListView RepairGrid{"RepairGrid"};
  ui::Panel ProblemsPanel{"ProblemsPanel"};
  ui::Label abExcludeMsg{"abExcludeMsg", "Select and Add to ignore list       "};
  ui::ListBox ProblemsListBox{"ProblemsListBox"};
  ui::Button ExcludeButton{"ExcludeButton", "Exclude and add key to ignore list"};

 private:
  model::TRegistryContents& ShownCollection();
  void SetHeaderTotal();

  ScanSheet& sheet_;
  TDM& dm_;
  model::ScanModel& model_;
  platform::FileSystem& files_;
  platform::MessageBoxes& messages_;
  // The section each row of RepairGrid stands for, filled with the rows.
  std::vector<int> rowSections_;
  int shownSection_ = 0;
};

}  // namespace halvex::app
