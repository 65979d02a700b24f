#include "app/scan_sheet/scan_sheet_driver.h"

#include "app/shared/product.h"
#include "model/text_format.h"

namespace halvex::app {

namespace {

constexpr std::string_view kIgnoreListUnreadable =
    "The ignore list could not be read. Entries you excluded may be shown again.";

}  // namespace

ScanSheetDriver::ScanSheetDriver(ScanSheet& sheet, ResultsView& results, TDM& dm,
                                 model::ScanModel& model, ScanSheetServices services)
    : sheet_(sheet), results_(results), dm_(dm), model_(model), services_(services) {
  sheet_.ScanNowBtn.onClick = [this] { ScanNowBtnClick(); };
  sheet_.AbortScanBtn.onClick = [this] { AbortScanBtnClick(); };
  dm_.ScanTimer.onTimer = [this] { ScanTimerTimer(); };
  for (int section = 1; section <= model::kSectionCount; ++section) {
    Row(section).picture.onClick = [this, section] { picSection01Click(section); };
  }
  sheet_.cbSelectAll.onClick = [this] { cbSelectAllClick(); };
  // The label inverts the box, which raises the box's own handler.
  sheet_.abSelectAll.onClick = [this] {
    sheet_.cbSelectAll.SetChecked(!sheet_.cbSelectAll.checked());
  };
}

ScanSheet::SectionRow& ScanSheetDriver::Row(int section) {
  return sheet_.sections[static_cast<std::size_t>(section - 1)];
}

void ScanSheetDriver::ReadChoice() {
  for (int section = 1; section <= model::kSectionCount; ++section) {
    choice_[static_cast<std::size_t>(section - 1)] = Row(section).picture.tag() > 0;
  }
}

void ScanSheetDriver::ScanNowBtnClick() {
  model_.ClearSectionProblems();
  results_.Clear();
  sheet_.SetScanPageState(ScanPageState::Scanning);
  sheet_.ScanOutcomePanel.SetVisible(true);
  sheet_.ShowPanel.SetVisible(true);

  ScanAllSections();

  sheet_.ScanOutcomePanel.SetCaption("");
  sheet_.ScanOutcomePanel.SetVisible(false);
  results_.FillResultList();
  const auto& columns = results_.RepairGrid.columns();
  results_.RepairGrid.SetColumnWidth(
      0, results_.RepairGrid.bounds().width() - columns.at(1).width - 20);
  ui::Notebook& pages = sheet_.ScanNotebook;
  if (results_.RepairGrid.rowCount() > 0) {
    pages.SetPageIndex(pages.PageIndexOf("ScanSections") + 1);
    sheet_.SetScanPageState(ScanPageState::Results);
  } else {
    ShowFinishPage();
  }
}

void ScanSheetDriver::ShowFinishPage() {
  model_.RepairContents.clear();
  model_.RepairContents.push_back(model::TRepairRec{"Problems Found: 0", ""});
  if (onFinishListChanged) onFinishListChanged();
  ui::Notebook& pages = sheet_.ScanNotebook;
  pages.SetPageIndex(pages.PageIndexOf("ScanSections") + 2);
  sheet_.ShowNothingFound();
}

void ScanSheetDriver::ScanAllSections() {
  // The sheet buttons and tool links leave the sheet alone while the loop runs.
  const ui::BusyState::Scope busy = services_.busy.Busy();
  for (ScanSheet::SectionRow& row : sheet_.sections)
    row.picture.SetImageIndex(ui::Picture::kNoImage);
  ReadChoice();
  animationFrame_ = stat_image::kFirstBusyFrame;
  dm_.ScanTimer.SetEnabled(true);
  scan::ScanContext context{services_.platform, model_, services_.settings, *this};
  // The engine keeps an error inside one section to that section, so the timer always stops.
  const scan::ScanOutcome outcome = scan::ScanAllSections(context, choice_);
  dm_.ScanTimer.SetEnabled(false);
  animatedSection_ = -1;
  // The scan ran without the list, so entries the user excluded are among the results again.
  if (!outcome.ignoreListRead) {
    (void)services_.desktop.messages.Show(kIgnoreListUnreadable, kProductName,
                                          platform::MessageButtons::Ok,
                                          platform::MessageIcon::Warning);
  }
}

void ScanSheetDriver::AbortScanBtnClick() {
  model_.abortFlag = model::abort_flag::kStopScan;
}

void ScanSheetDriver::ScanTimerTimer() {
  if (animationFrame_ > stat_image::kLastBusyFrame) animationFrame_ = stat_image::kFirstBusyFrame;
  if (animatedSection_ >= 1 && animatedSection_ <= model::kSectionCount) {
    Row(animatedSection_).picture.SetImageIndex(animationFrame_);
  }
  ++animationFrame_;
}

void ScanSheetDriver::picSection01Click(int section) {
  ui::Picture& mark = Row(section).picture;
  if (mark.tag() == 0) {
    mark.SetTag(1);
    mark.SetImageIndex(stat_image::kChosen);
  } else if (mark.tag() == 1) {
    mark.SetTag(0);
    mark.SetImageIndex(stat_image::kNotChosen);
  }
  // A section the running loop has not reached yet follows the new choice.
  ReadChoice();
}

void ScanSheetDriver::cbSelectAllClick() {
  const bool ticked = sheet_.cbSelectAll.checked();
  const int page = sheet_.ScanNotebook.pageIndex();
  const int sectionsPage = sheet_.ScanNotebook.PageIndexOf("ScanSections");
  if (page == sectionsPage + 1) {
    results_.SelectAll(ticked);
    return;
  }
  if (page != sectionsPage) return;  // the finish page: nothing to choose
  for (ScanSheet::SectionRow& row : sheet_.sections) {
    row.picture.SetTag(ticked ? 1 : 0);
    row.picture.SetImageIndex(ticked ? stat_image::kChosen : stat_image::kNotChosen);
  }
  ReadChoice();
}

void ScanSheetDriver::ShowProgress(std::string_view text) {
  sheet_.ScanOutcomePanel.SetCaption(std::string(text));
}

void ScanSheetDriver::ShowSectionCount(int section, std::size_t count) {
  Row(section).count.SetCaption(model::FormatText("%d", static_cast<int>(count)));
}

void ScanSheetDriver::ProcessMessages() {
  services_.desktop.pump.ProcessMessages();
}

void ScanSheetDriver::SectionStarted(int section) {
  animatedSection_ = section;
}

void ScanSheetDriver::SectionSkipped(int) {
  animatedSection_ = -1;
}

void ScanSheetDriver::SectionFinished(int section, std::size_t) {
  ScanSheet::SectionRow& row = Row(section);
  row.picture.SetImageIndex(row.count.caption() != "0" ? stat_image::kProblemsFound
                                                       : stat_image::kNoProblem);
}

void ScanSheetDriver::SectionFailed(int, std::string_view message) {
  services_.desktop.messages.ShowError(message);
}

}  // namespace halvex::app
