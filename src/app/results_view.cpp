#include "app/results_view.h"

#include "app/product.h"
#include "model/problem_exclusion.h"
#include "model/result_rows.h"
#include "model/scan_sections.h"
#include "model/text_format.h"

namespace halvex::app {
namespace {

constexpr int kGridHeight = 118;
constexpr int kHeadingHeight = 22;
constexpr int kProblemRowHeight = 70;
constexpr std::size_t kShownCount = 0;  // sub-item shown in the second column
constexpr ui::Color kSelectedRowFill = ui::Color::Rgb(0xD9, 0xF2, 0xFF);
// The exclude button sits at the list's top right, its right edge 12 pixels left of x = 510 and
// its bottom edge 4 pixels above y = 80.
constexpr int kExcludeWidth = 200;
constexpr int kExcludeHeight = 24;
const ui::Rect kExcludeBounds =
    ui::Rect::At(510 - 12 - kExcludeWidth, 80 - 4 - kExcludeHeight, kExcludeWidth, kExcludeHeight);

}  // namespace

ResultsView::ResultsView(ScanSheet& sheet, TDM& dm, model::ScanModel& model,
                         platform::FileSystem& files, platform::MessageBoxes& messages)
    : sheet_(sheet), dm_(dm), model_(model), files_(files), messages_(messages) {
  ui::Panel& page = sheet_.Repair;
  // The page shows in the results state only.
  const ui::Rect area = sheet_.NotebookBoundsIn(ScanPageState::Results);
  const int width = area.width();
  const int height = area.height();

  RepairGrid.SetBounds(ui::Rect::At(8, 6, width - 16, kGridHeight));
  RepairGrid.SetColumns({{"Section Name (Click below to see details)", width - 16 - 120 - 20},
                         {"Problems Found", 120, ui::TextAlign::Center}});
  RepairGrid.onSelect = [this] { RepairGridSelectItem(); };
  // RepairGridCustomDrawSubItem: the count column in red, the section names in black.
  RepairGrid.onCellTextColor = [](int, int column) -> std::optional<ui::Color> {
    return column == 1 ? ui::colors::kRed : ui::colors::kBlack;
  };
  page.AddChild(RepairGrid);

  const int headingTop = 6 + kGridHeight + 6;
  ProblemsPanel.SetBounds(ui::Rect::At(8, headingTop, width - 16, kHeadingHeight));
  ProblemsPanel.SetCaption("  Details of Problems found");
  ProblemsPanel.captionAlign = ui::TextAlign::Left;
  abExcludeMsg.SetBounds(ui::Rect::At(width - 16 - 220, 0, 220, kHeadingHeight));
  abExcludeMsg.SetAlignment(ui::TextAlign::Right);
  ProblemsPanel.AddChild(abExcludeMsg);
  page.AddChild(ProblemsPanel);

  const int listTop = headingTop + kHeadingHeight;
  ProblemsListBox.SetBounds(ui::Rect::At(8, listTop, width - 16, height - listTop - 6));
  ProblemsListBox.SetRowHeight(kProblemRowHeight);
  ProblemsListBox.onDrawItem = [this](ui::Canvas& canvas, int row, const ui::Rect& rect,
                                      bool selected) {
    ProblemsListBoxDrawItem(canvas, row, rect, selected);
  };
  ProblemsListBox.onMouseDown = [this](ui::MouseButton button, ui::Point at) {
    ProblemsListBoxMouseDown(button, at);
  };
  // The button belongs to the selected problem row: with none selected it must not offer to
  // exclude a problem the user never picked.
  ProblemsListBox.onSelect = [this] {
    if (ProblemsListBox.selectedIndex() == ui::ListBox::kNone) ExcludeButton.SetVisible(false);
  };
  page.AddChild(ProblemsListBox);

  ExcludeButton.SetVisible(false);
  ExcludeButton.SetBounds(kExcludeBounds);
  ExcludeButton.onClick = [this] { ExcludeProblem(); };
  ProblemsListBox.AddChild(ExcludeButton);
}

std::optional<int> ResultsView::selectedSection() const {
  const int row = RepairGrid.selectedIndex();
  if (row < 0 || static_cast<std::size_t>(row) >= rowSections_.size()) return std::nullopt;
  return rowSections_[static_cast<std::size_t>(row)];
}

model::TRegistryContents& ResultsView::ShownCollection() {
  return model_.SectionContents[static_cast<std::size_t>(shownSection_)];
}

void ResultsView::SetHeaderTotal() {
  RepairGrid.SetColumnCaption(
      1, model::FormatText("Problems Found: %d", static_cast<int>(model_.TotalProblemCount())));
}

void ResultsView::Clear() {
  ProblemsListBox.SetRowCount(0);
  rowSections_.clear();
  RepairGrid.Clear();
}

void ResultsView::FillResultList() {
  Clear();
  for (const int section : model::ResultRowSections(model_)) {
    if (section == model::kAllProblemsSection) {
      RepairGrid.AddRow({"All Problems", {std::to_string(model_.TotalProblemCount())}});
    } else {
      const ui::Label& count = sheet_.sections[static_cast<std::size_t>(section - 1)].count;
      RepairGrid.AddRow({"    " + std::string(model::SectionCaption(section)), {count.caption()}});
    }
    rowSections_.push_back(section);
  }
  if (RepairGrid.rowCount() == 0) {
    RepairGrid.SetColumnCaption(1, "Problems Found");
    return;
  }
  RepairGrid.SetSelectedIndex(0);
  SetHeaderTotal();
}

void ResultsView::RepairGridSelectItem() {
  const std::optional<int> section = selectedSection();
  if (!section) {
    ExcludeButton.SetVisible(false);
    ProblemsPanel.SetCaption("");
    ProblemsListBox.SetRowCount(0);
    return;
  }
  ShowSectionProblems(*section);
}

void ResultsView::ShowSectionProblems(int section) {
  ProblemsListBox.SetRowCount(0);
  ExcludeButton.SetVisible(false);
  shownSection_ = section;
  if (section == model::kAllProblemsSection) model_.RebuildAllProblems();
  const auto rows = static_cast<int>(ShownCollection().size());
  ProblemsListBox.SetRowCount(rows);
  ProblemsPanel.SetCaption(rows > 0 ? model::FormatText("  Details of Problems Found: %d", rows)
                                    : std::string());
}

void ResultsView::ProblemsListBoxDrawItem(ui::Canvas& canvas, int row, const ui::Rect& rect,
                                          bool selected) {
  const model::TRegistryContents& problems = ShownCollection();
  if (row < 0 || row >= static_cast<int>(problems.size()) || !selectedSection()) return;
  const model::registry_content::TContent& problem = problems[static_cast<std::size_t>(row)];

  const ui::Rect box{rect.left + 2, rect.top + 4, rect.right - 2, rect.bottom - 4};
  canvas.FillRect(box, selected ? kSelectedRowFill : ui::Color::System(ui::SystemColor::Window));
  canvas.DrawImage(dm_.ProblemsImageList, problem.Marked ? 0 : 1, {box.left + 8, box.top + 25});
  ui::Font font;
  font.color = selected ? ui::colors::kBlue : ui::colors::kBlack;
  const std::string* lines[] = {&problem.DetailKeyPath, &problem.DetailValueName,
                                &problem.DetailValue, &problem.DetailProblem};
  for (int line = 0; line < 4; ++line) {
    const int top = box.top + 4 + 14 * line;
    canvas.DrawText(ui::Rect{box.left + 32, top, box.right - 4, top + 14}, *lines[line], font,
                    ui::TextAlign::Left);
  }
  canvas.FrameRect(box, selected ? ui::colors::kBlue
                                 : ui::Color::System(ui::SystemColor::InactiveCaptionGradient));
  if (selected) {
    ExcludeButton.SetTag(row);
    ExcludeButton.SetVisible(true);
  }
}

void ResultsView::ProblemsListBoxMouseDown(ui::MouseButton button, ui::Point at) {
  if (button != ui::MouseButton::Left || !selectedSection()) return;
  const int row = ProblemsListBox.RowAt(at);
  if (row == ui::ListBox::kNone) return;
  const ui::Rect bounds = ProblemsListBox.RowRect(row);
  // Where the mark image is drawn, both ends included.
  const bool onMark = at.x >= bounds.left + 10 && at.x <= bounds.left + 26 &&
                      at.y >= bounds.top + 29 && at.y <= bounds.top + 46;
  if (!onMark) return;
  const bool marked = ShownCollection()[static_cast<std::size_t>(row)].Marked;
  (void)model_.SetProblemMarked(shownSection_, static_cast<std::size_t>(row), !marked);
  ProblemsListBox.Invalidate();
}

void ResultsView::SelectAll(bool mark) {
  if (!selectedSection()) return;
  for (int row = 0; row < ProblemsListBox.rowCount(); ++row) {
    (void)model_.SetProblemMarked(shownSection_, static_cast<std::size_t>(row), mark);
  }
  ProblemsListBox.Invalidate();
}

void ResultsView::ExcludeProblem() {
  // Only the selected problem row is ever excluded, whatever row the button was drawn on last.
  const int selectedProblem = ProblemsListBox.selectedIndex();
  if (!selectedSection() || selectedProblem == ui::ListBox::kNone) return;
  const auto index = static_cast<std::size_t>(selectedProblem);
  const model::Exclusion exclusion = model::ExcludeProblem(files_, model_, shownSection_, index);
  if (exclusion.outcome == model::ExclusionOutcome::NotStored) {
    (void)messages_.Show("The entry could not be added to the ignore list.", kProductName,
                         platform::MessageButtons::Ok, platform::MessageIcon::Warning);
  }
  if (exclusion.outcome != model::ExclusionOutcome::Excluded) return;

  ProblemsListBox.SetRowCount(static_cast<int>(ShownCollection().size()));
  ExcludeButton.SetVisible(false);
  const int selectedRow = RepairGrid.selectedIndex();
  (void)RepairGrid.SetSubItem(selectedRow, kShownCount,
                              model::FormatText("%d", ProblemsListBox.rowCount()));
  if (shownSection_ == model::kAllProblemsSection) {
    // The section's own row follows, so that both rows agree with the collections.
    const auto owner = static_cast<std::size_t>(exclusion.section);
    for (std::size_t row = 1; row < rowSections_.size(); ++row) {
      if (rowSections_[row] != exclusion.section) continue;
      (void)RepairGrid.SetSubItem(
          static_cast<int>(row), kShownCount,
          model::FormatText("%d", static_cast<int>(model_.SectionContents[owner].size())));
    }
  }
  SetHeaderTotal();
  RepairGrid.SetFocusedIndex(selectedRow);
}

}  // namespace halvex::app
