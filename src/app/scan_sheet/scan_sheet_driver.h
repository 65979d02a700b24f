#pragma once
// What the scan sheet does: Scan Now, Abort, the section marks and Select All, and the busy
// animation on ScanTimer while the section loop of the scan engine runs. The scan itself is the
// same as halvex-cli's; this class is its front end on the sheet.
#include <functional>

#include "app/scan_sheet/results_view.h"
#include "app/scan_sheet/scan_sheet.h"
#include "app/shared/data_module.h"
#include "model/scan_model.h"
#include "model/settings.h"
#include "platform/desktop.h"
#include "platform/platform.h"
#include "scan/scan_driver.h"
#include "ui/busy_state.h"

namespace halvex::app {

// The status images of StatImageList the section marks show.
namespace stat_image {
inline constexpr int kNotChosen = 0;
inline constexpr int kChosen = 1;
inline constexpr int kFirstBusyFrame = 4;
inline constexpr int kLastBusyFrame = 10;
inline constexpr int kNoProblem = 11;
inline constexpr int kProblemsFound = 12;
}  // namespace stat_image

struct ScanSheetServices {
  platform::Platform& platform;
  platform::Desktop& desktop;
  ui::BusyState& busy;
  const model::TMyRegistryInfo& settings;
};

class ScanSheetDriver final : private scan::ScanFrontEnd {
 public:
  ScanSheetDriver(ScanSheet& sheet, ResultsView& results, TDM& dm, model::ScanModel& model,
                  ScanSheetServices services);
  ScanSheetDriver(const ScanSheetDriver&) = delete;
  ScanSheetDriver& operator=(const ScanSheetDriver&) = delete;

  void ScanNowBtnClick();
  void AbortScanBtnClick();
  void ScanTimerTimer();
  // The click on section `section`'s mark picture (picSection01Click for all seventeen).
  void picSection01Click(int section);
  void cbSelectAllClick();

  // Called after a scan that found nothing has filled the finish list's one row.
  std::function<void()> onFinishListChanged;

  int animatedSection() const { return animatedSection_; }
  int animationFrame() const { return animationFrame_; }

 private:
  void ShowProgress(std::string_view text) override;
  void ShowSectionCount(int section, std::size_t count) override;
  void ProcessMessages() override;
  void SectionStarted(int section) override;
  void SectionSkipped(int section) override;
  void SectionFinished(int section, std::size_t problemCount) override;
  void SectionFailed(int section, std::string_view message) override;

  void ScanAllSections();
  void ShowFinishPage();
  ScanSheet::SectionRow& Row(int section);
  // The sections whose mark is ticked, as the loop reads them before each section.
  void ReadChoice();

  ScanSheet& sheet_;
  ResultsView& results_;
  TDM& dm_;
  model::ScanModel& model_;
  ScanSheetServices services_;
  scan::SectionChoice choice_{};
  int animatedSection_ = -1;
  int animationFrame_ = stat_image::kFirstBusyFrame;
};

}  // namespace halvex::app
