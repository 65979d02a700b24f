#include "app/scan_sheet/scan_sheet.h"

#include "app/shared/link_style.h"
#include "model/scan_sections.h"
#include "model/text_format.h"

namespace halvex::app {

namespace {

constexpr int kStepHeight = 56;
constexpr int kStepWidth = 270;

ui::ImageList StepPicture(const char* resource) {
  return {resource, resource, kStepWidth, kStepHeight, 1, ui::ImageFormat::Jpeg};
}
constexpr int kRowHeight = 24;
constexpr int kColumnWidth = 250;
constexpr int kFirstStateToolsHeight = 119;
constexpr int kOtherStateToolsHeight = 76;

template <std::size_t... I>
std::array<ScanSheet::SectionRow, kSectionCount> MakeRows(std::index_sequence<I...>) {
  return {ScanSheet::SectionRow(static_cast<int>(I) + 1)...};
}

}  // namespace

ScanSheet::SectionRow::SectionRow(int number)
    : picture(model::FormatText("picSection%02d", number)),
      caption(model::FormatText("abSection%02d", number),
              std::string(model::SectionCaption(number))),
      count(model::FormatText("abItemCount%02d", number), "0") {}

ScanSheet::ScanSheet(ui::Panel& sheet, TDM& dm)
    // The second picture of the scanning state stands still.
    : stepPictures{{{StepPicture("ScanFirst"), StepPicture("ScanFirst1")},
                    {StepPicture("ScanInProcess"), StepPicture("ScanInProcess1")},
                    {StepPicture("ScanResults"), StepPicture("ScanResults1")},
                    {StepPicture("ScanFinish"), StepPicture("ScanFinish1")}}},
      nothingFoundPicture(StepPicture("ScanNothingFound")),
      sections(MakeRows(std::make_index_sequence<kSectionCount>())),
      sheet_(sheet) {
  const int width = sheet_.bounds().width();
  const int height = sheet_.bounds().height();
  sheet_.SetColor(ui::colors::kWhite);

  ScanStepImage.SetBounds(ui::Rect::At(0, 0, kStepWidth, kStepHeight));
  ScanStepImage1.SetBounds(ui::Rect::At(kStepWidth, 0, width - kStepWidth, kStepHeight));
  for (ui::Picture* step : {&ScanStepImage, &ScanStepImage1}) {
    step->SetColor(ui::Color::Rgb(0xEE, 0xF3, 0xF8));
    step->SetImageIndex(0);
  }
  sheet_.AddChild(ScanStepImage);
  sheet_.AddChild(ScanStepImage1);

  ScanNotebook.SetBounds(
      ui::Rect::At(0, kStepHeight, width, height - kStepHeight - kFirstStateToolsHeight));
  for (ui::Panel* page : {&ScanSections, &Repair, &Finish}) ScanNotebook.AddPage(*page);
  sheet_.AddChild(ScanNotebook);

  for (int i = 0; i < kSectionCount; ++i) {
    SectionRow& row = sections[static_cast<std::size_t>(i)];
    // Sections 1 to 9 in the left column, 10 to 17 in the right one.
    const int column = i < 9 ? 0 : 1;
    const int line = i < 9 ? i : i - 9;
    const int x = 18 + column * (kColumnWidth + 12);
    const int y = 10 + line * kRowHeight;
    row.picture.SetBounds(ui::Rect::At(x, y + 3, 16, 16));
    row.picture.SetImageList(&dm.StatImageList);
    row.caption.SetBounds(ui::Rect::At(x + 24, y, kColumnWidth - 24 - 44, kRowHeight - 2));
    row.caption.SetFont({.color = link_style::kHeading});
    row.count.SetBounds(ui::Rect::At(x + kColumnWidth - 44, y, 36, kRowHeight - 2));
    row.count.SetAlignment(ui::TextAlign::Right);
    row.count.SetFont({.bold = true, .color = link_style::kMuted});
    for (ui::Control* control :
         std::initializer_list<ui::Control*>{&row.picture, &row.caption, &row.count}) {
      ScanSections.AddChild(*control);
    }
  }

  ScanToolsPanel.SetBounds(
      ui::Rect::At(0, height - kFirstStateToolsHeight, width, kFirstStateToolsHeight));
  ScanToolsPanel.SetColor(ui::Color::Rgb(0xEE, 0xF3, 0xF8));
  sheet_.AddChild(ScanToolsPanel);

  ScanNowBtn.SetBounds(ui::Rect::At(width - 110 - 24, 4, 110, 110));
  ScanNowBtn.SetImageList(&dm.ScanNowBMP);
  ScanNowBtn.SetImageIndex(0);
  ScanNowBtn.SetHoverImageIndex(1);
  const struct {
    ui::Picture* button;
    int image;
  } barButtons[] = {{&AbortScanBtn, 0}, {&RepairBtn, 2}, {&FinishBtn, 4}};
  for (const auto& entry : barButtons) {
    entry.button->SetBounds(ui::Rect::At(width - 123 - 24, 24, 123, 28));
    entry.button->SetImageList(&dm.BtnImageList);
    entry.button->SetImageIndex(entry.image);
    entry.button->SetHoverImageIndex(entry.image + 1);
  }
  cbSelectAll.SetBounds(ui::Rect::At(24, 30, 16, 20));
  cbSelectAll.SetChecked(true);
  abSelectAll.SetBounds(ui::Rect::At(44, 30, 120, 20));
  abSelectAll.SetFont({.color = link_style::kHeading});
  ShowPanel.SetBounds(ui::Rect::At(18, 14, width - 123 - 60, 48));
  ScanOutcomePanel.SetAlign(ui::Align::Client);
  ScanOutcomePanel.SetFont({.color = link_style::kMuted});
  ShowPanel.AddChild(ScanOutcomePanel);
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&ScanNowBtn, &AbortScanBtn, &RepairBtn, &FinishBtn,
                                           &cbSelectAll, &abSelectAll, &ShowPanel}) {
    ScanToolsPanel.AddChild(*control);
  }

  ScanNotebook.SetPageIndex(0);
  SetScanPageState(ScanPageState::First);
}

ui::Rect ScanSheet::NotebookBoundsIn(ScanPageState state) const {
  const int toolsHeight =
      state == ScanPageState::First ? kFirstStateToolsHeight : kOtherStateToolsHeight;
  return ui::Rect::At(0, kStepHeight, sheet_.bounds().width(),
                      sheet_.bounds().height() - kStepHeight - toolsHeight);
}

void ScanSheet::SetScanPageState(ScanPageState state) {
  state_ = state;
  const StepPictures& pictures = stepPictures[static_cast<std::size_t>(state)];
  ScanStepImage.SetImageList(&pictures.first);
  ScanStepImage1.SetImageList(&pictures.second);
  const bool first = state == ScanPageState::First;
  const int toolsHeight = first ? kFirstStateToolsHeight : kOtherStateToolsHeight;
  const int height = sheet_.bounds().height();
  ScanToolsPanel.SetBounds(
      ui::Rect::At(0, height - toolsHeight, sheet_.bounds().width(), toolsHeight));
  ScanNotebook.SetBounds(NotebookBoundsIn(state));

  const bool selectAll = first || state == ScanPageState::Results;
  cbSelectAll.SetVisible(selectAll);
  abSelectAll.SetVisible(selectAll);
  ScanNowBtn.SetVisible(first);
  AbortScanBtn.SetVisible(state == ScanPageState::Scanning);
  RepairBtn.SetVisible(state == ScanPageState::Results);
  FinishBtn.SetVisible(state == ScanPageState::Finish);
  // The scan makes the progress line visible itself when it starts.
  ShowPanel.SetVisible(false);

  if (first) {
    for (SectionRow& row : sections) {
      row.picture.SetTag(1);
      row.picture.SetImageIndex(1);
      row.count.SetCaption("");
    }
  }
}

void ScanSheet::ShowNothingFound() {
  SetScanPageState(ScanPageState::Finish);
  ScanStepImage.SetImageList(&nothingFoundPicture);
}

}  // namespace halvex::app
