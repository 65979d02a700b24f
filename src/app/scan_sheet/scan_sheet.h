#pragma once
// The controls of the scan sheet: the step pictures, the notebook ScanNotebook with its pages
// "ScanSections", "Repair" and "Finish", the seventeen section rows, and the tool bar panel
// ScanToolsPanel with its buttons. The scan, results and repair drivers give them behaviour.
#include <array>
#include <string>

#include "app/shared/data_module.h"
#include "model/scan_sections.h"
#include "ui/button.h"
#include "ui/label.h"
#include "ui/notebook.h"
#include "ui/panel.h"
#include "ui/picture.h"

namespace halvex::app {

inline constexpr int kSectionCount = model::kSectionCount;

// The page states of the scan sheet.
enum class ScanPageState { First = 0, Scanning = 1, Results = 2, Finish = 3 };

class ScanSheet {
 public:
  ScanSheet(ui::Panel& sheet, TDM& dm);
  ScanSheet(const ScanSheet&) = delete;
  ScanSheet& operator=(const ScanSheet&) = delete;

  // Shows the pictures and controls of the state; the first state also chooses every
  // section again and empties the count labels.
  void SetScanPageState(ScanPageState state);
  // The finish state after a scan that found no problem.
  void ShowNothingFound();
  ScanPageState pageState() const { return state_; }
  // Where the notebook stands in a state: the tool bar below it is lower in the first one.
  ui::Rect NotebookBoundsIn(ScanPageState state) const;

  // Section n (1 .. 17) is at index n - 1.
  struct SectionRow {
    ui::Picture picture;
    ui::Label caption;
    ui::Label count;
    explicit SectionRow(int number);
  };

  // The step pictures of each page state, first and second (JPEG resources).
  struct StepPictures {
    ui::ImageList first;
    ui::ImageList second;
  };
  std::array<StepPictures, 4> stepPictures;
  // The first step picture of the finish page after a scan that found nothing: "No problems
  // found", since nothing was repaired or backed up.
  ui::ImageList nothingFoundPicture;

  ui::Picture ScanStepImage{"ScanStepImage"};
  ui::Picture ScanStepImage1{"ScanStepImage1"};
  ui::Notebook ScanNotebook{"ScanNotebook"};
  ui::Panel ScanSections{"ScanSections"};
  ui::Panel Repair{"Repair"};
  ui::Panel Finish{"Finish"};
  std::array<SectionRow, kSectionCount> sections;

  ui::Panel ScanToolsPanel{"ScanToolsPanel"};
  ui::Picture ScanNowBtn{"ScanNowBtn"};
  ui::Picture AbortScanBtn{"AbortScanBtn"};
  ui::Picture RepairBtn{"RepairBtn"};
  ui::Picture FinishBtn{"FinishBtn"};
  ui::CheckBox cbSelectAll{"cbSelectAll", ""};
  ui::Label abSelectAll{"abSelectAll", "Select All"};
  ui::Panel ShowPanel{"ShowPanel"};
  ui::Label ScanOutcomePanel{"ScanOutcomePanel"};

 private:
  ui::Panel& sheet_;
  ScanPageState state_ = ScanPageState::First;
};

}  // namespace halvex::app
