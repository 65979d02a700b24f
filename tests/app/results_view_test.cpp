// The "Repair" page after a scan: the result rows, the drawn problems, marks and exclusions.
#include "app/results_view.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/app/scan_sheet_fixture.h"
#include "ui/recording_canvas.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

class ResultsViewTest : public ScanSheetTest {
 protected:
  // Three problems of Shared DLLs, then the scan.
  void ScanThreeProblems() {
    AddBrokenSharedDlls(3);
    ASSERT_TRUE(sheet.ScanNowBtn.Click());
  }
  // Each result row as "caption | shown count | section number".
  std::vector<std::string> GridRows() {
    std::vector<std::string> rows;
    const std::vector<int>& sections = results.resultRowSections();
    EXPECT_EQ(sections.size(), static_cast<std::size_t>(results.RepairGrid.rowCount()));
    for (int row = 0; row < results.RepairGrid.rowCount(); ++row) {
      rows.push_back(results.RepairGrid.Row(row).caption + " | " +
                     results.RepairGrid.SubItem(row, 0) + " | " +
                     std::to_string(sections.at(static_cast<std::size_t>(row))));
    }
    return rows;
  }
  // Clicks the mark of a problem row, where the mark image is drawn.
  void ClickMark(int row, int dx = 12, int dy = 30) {
    const ui::Rect rect = results.ProblemsListBox.RowRect(row);
    ASSERT_TRUE(
        results.ProblemsListBox.MouseDown(ui::MouseButton::Left, {rect.left + dx, rect.top + dy}));
  }
  // Paints the row as selected, which places the exclude button on it.
  void SelectProblem(int row) {
    results.ProblemsListBox.SetSelectedIndex(row);
    ui::RecordingCanvas canvas;
    results.ProblemsListBox.PaintRow(canvas, row);
  }
  std::string IgnoreFile() { return machine.Read("C:\\Program Files\\Halvex\\HalvoIgnores.dat"); }
};

TEST_F(ResultsViewTest, OneRowPerSectionUnderAllProblems) {
  ScanThreeProblems();
  EXPECT_THAT(GridRows(), ElementsAre("All Problems | 3 | 0", "    Shared DLL's Sections | 3 | 4"));
  EXPECT_EQ(results.RepairGrid.selectedIndex(), 0);
  EXPECT_EQ(results.RepairGrid.columns().at(1).caption, "Problems Found: 3");
  EXPECT_EQ(results.ProblemsListBox.rowCount(), 3);
  EXPECT_EQ(results.ProblemsListBox.rowHeight(), 70);
  EXPECT_EQ(results.ProblemsPanel.caption(), "  Details of Problems Found: 3");
  EXPECT_EQ(results.RepairGrid.CellTextColor(1, 1), ui::colors::kRed);
  EXPECT_EQ(results.RepairGrid.CellTextColor(1, 0), ui::colors::kBlack);
  EXPECT_EQ(results.RepairGrid.columns().at(0).width,
            results.RepairGrid.bounds().width() - results.RepairGrid.columns().at(1).width - 20);
}

TEST_F(ResultsViewTest, DrawsAProblemAsFourLinesBesideItsMark) {
  ScanThreeProblems();
  ui::RecordingCanvas canvas;
  const ui::Rect rect = results.ProblemsListBox.RowRect(1);
  results.ProblemsListBoxDrawItem(canvas, 1, rect, /*selected=*/false);
  const auto& drawn = canvas.operations();
  ASSERT_EQ(drawn.size(), 7u);
  EXPECT_THAT(drawn[0], HasSubstr("fill " + std::to_string(rect.left + 2) + "," +
                                  std::to_string(rect.top + 4)));
  EXPECT_EQ(drawn[1], "image ProblemsImageList 0 at " + std::to_string(rect.left + 10) + "," +
                          std::to_string(rect.top + 29));
  EXPECT_THAT(drawn[2], HasSubstr("Key Path:" + std::string(kSharedDllsKey)));
  EXPECT_THAT(drawn[5], HasSubstr("The file (C:\\gone1.dll) does not exist"));
  EXPECT_FALSE(results.ExcludeButton.visible());

  canvas.Clear();
  results.ProblemsListBoxDrawItem(canvas, 2, results.ProblemsListBox.RowRect(2), true);
  EXPECT_THAT(canvas.operations().front(), HasSubstr("#D9F2FF"));
  EXPECT_THAT(canvas.operations().back(), HasSubstr("frame"));
  EXPECT_THAT(canvas.operations().back(), HasSubstr("#0000FF"));
  EXPECT_TRUE(results.ExcludeButton.visible());
  EXPECT_EQ(results.ExcludeButton.tag(), 2);
  EXPECT_EQ(results.ExcludeButton.bounds().right, 510 - 12);
  EXPECT_EQ(results.ExcludeButton.bounds().bottom, 80 - 4);
}

TEST_F(ResultsViewTest, TheMarkAreaTogglesTheMarkAndNothingElseDoes) {
  ScanThreeProblems();
  results.RepairGrid.SetSelectedIndex(1);  // the section row
  ClickMark(1);
  EXPECT_FALSE(model.SectionContents[4][1].Marked);
  ClickMark(1, 26, 46);  // the far corner of the area still counts
  EXPECT_TRUE(model.SectionContents[4][1].Marked);
  for (const auto& [dx, dy] : {std::pair{9, 30}, {27, 30}, {12, 28}, {12, 47}, {200, 30}}) {
    ClickMark(1, dx, dy);
    EXPECT_TRUE(model.SectionContents[4][1].Marked) << "click at +" << dx << ",+" << dy;
  }
  const ui::Rect last = results.ProblemsListBox.RowRect(2);
  (void)results.ProblemsListBox.MouseDown(ui::MouseButton::Left,
                                          {last.left + 12, last.bottom + 30});
  (void)results.ProblemsListBox.MouseDown(ui::MouseButton::Right, {last.left + 12, last.top + 30});
  EXPECT_TRUE(model.SectionContents[4][2].Marked);
}

TEST_F(ResultsViewTest, UnmarkingInAllProblemsUnmarksTheSectionsProblem) {
  ScanThreeProblems();
  ClickMark(2);  // "All Problems" is selected after the scan
  results.RepairGrid.SetSelectedIndex(1);
  EXPECT_FALSE(model.SectionContents[4][2].Marked);
  ui::RecordingCanvas canvas;
  results.ProblemsListBoxDrawItem(canvas, 2, results.ProblemsListBox.RowRect(2), false);
  EXPECT_THAT(canvas.operations()[1], HasSubstr("ProblemsImageList 1 "));
}

TEST_F(ResultsViewTest, SelectAllOnTheRepairPageMarksTheShownProblems) {
  ScanThreeProblems();
  ASSERT_TRUE(sheet.cbSelectAll.Click());  // unticks: unmark everything shown
  for (const auto& problem : model.SectionContents[4]) EXPECT_FALSE(problem.Marked);
  ASSERT_TRUE(sheet.abSelectAll.Click());  // the label ticks it again
  for (const auto& problem : model.SectionContents[4]) EXPECT_TRUE(problem.Marked);
  results.RepairGrid.SetSelectedIndex(ui::ListView::kNone);
  ASSERT_TRUE(sheet.cbSelectAll.Click());
  for (const auto& problem : model.SectionContents[4]) EXPECT_TRUE(problem.Marked);
}

TEST_F(ResultsViewTest, ExcludingFromASectionRowStoresItAndTakesItOut) {
  ScanThreeProblems();
  results.RepairGrid.SetSelectedIndex(1);
  SelectProblem(0);
  ASSERT_TRUE(results.ExcludeButton.Click());
  EXPECT_EQ(IgnoreFile(),
            "Shared DLL's Sections|" + std::string(kSharedDllsKey) + "|C:\\gone0.dll\r\n");
  ASSERT_EQ(model.SectionContents[4].size(), 2u);
  EXPECT_EQ(model.SectionContents[4][0].ValueName, "C:\\gone1.dll");
  EXPECT_THAT(GridRows(), ElementsAre("All Problems | 3 | 0", "    Shared DLL's Sections | 2 | 4"))
      << "All Problems keeps its count from the end of the scan";
  EXPECT_EQ(results.RepairGrid.columns().at(1).caption, "Problems Found: 2");
  EXPECT_EQ(results.ProblemsListBox.rowCount(), 2);
  EXPECT_FALSE(results.ExcludeButton.visible());
  EXPECT_EQ(Count(4), "3") << "the first page's count label is not changed";
}

TEST_F(ResultsViewTest, ExcludingFromAllProblemsExcludesThatVeryProblem) {
  ScanThreeProblems();
  SelectProblem(1);  // "All Problems" is the selected row
  ASSERT_TRUE(results.ExcludeButton.Click());
  EXPECT_THAT(IgnoreFile(), HasSubstr("|C:\\gone1.dll\r\n"));
  ASSERT_EQ(model.SectionContents[4].size(), 2u);
  EXPECT_EQ(model.SectionContents[4][1].ValueName, "C:\\gone2.dll");
  ASSERT_EQ(model.SectionContents[0].size(), 2u) << "the aggregate is rebuilt";
  EXPECT_THAT(GridRows(), ElementsAre("All Problems | 2 | 0", "    Shared DLL's Sections | 2 | 4"));
  // A mark click on the second row now lands on the problem that row shows.
  ClickMark(1);
  EXPECT_FALSE(model.SectionContents[4][1].Marked);
  EXPECT_TRUE(model.SectionContents[4][0].Marked);
}

TEST_F(ResultsViewTest, ExcludeActsOnlyOnTheSelectedProblemRow) {
  ScanThreeProblems();
  SelectProblem(1);  // drawn selected under "All Problems"
  ASSERT_TRUE(results.ExcludeButton.visible());
  results.RepairGrid.SetSelectedIndex(1);  // another result row: a new list, no problem picked
  EXPECT_FALSE(results.ExcludeButton.visible());
  results.ExcludeProblem();
  EXPECT_EQ(IgnoreFile(), "<missing>") << "no problem the user never picked is excluded";
  EXPECT_EQ(model.SectionContents[4].size(), 3u);

  SelectProblem(0);
  results.ProblemsListBox.SetSelectedIndex(ui::ListBox::kNone);
  EXPECT_FALSE(results.ExcludeButton.visible()) << "hidden as soon as no problem row is selected";
  results.ProblemsListBox.SetSelectedIndex(2);  // picked, not yet drawn: the button's tag is 0
  results.ExcludeProblem();
  EXPECT_THAT(IgnoreFile(), HasSubstr("|C:\\gone2.dll\r\n"));
  EXPECT_THAT(IgnoreFile(), Not(HasSubstr("gone0")));
}

TEST_F(ResultsViewTest, AnExclusionThatCannotBeStoredKeepsTheProblem) {
  ScanThreeProblems();
  // A folder where the ignore file should be: the line cannot be appended.
  machine.AddFolder("C:\\Program Files\\Halvex\\HalvoIgnores.dat");
  results.RepairGrid.SetSelectedIndex(1);
  SelectProblem(0);
  ASSERT_TRUE(results.ExcludeButton.Click());
  EXPECT_EQ(model.SectionContents[4].size(), 3u);
  EXPECT_EQ(results.ProblemsListBox.rowCount(), 3);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "The entry could not be added to the ignore list.");
  EXPECT_EQ(messages.shown()[0].caption, "Hal Vex");
}

TEST_F(ResultsViewTest, TheNextScanDoesNotReportAnExcludedProblem) {
  ScanThreeProblems();
  results.RepairGrid.SetSelectedIndex(1);
  SelectProblem(2);
  ASSERT_TRUE(results.ExcludeButton.Click());
  sheet.ScanNotebook.SetPageIndex(0);
  sheet.SetScanPageState(app::ScanPageState::First);
  ASSERT_TRUE(sheet.ScanNowBtn.Click());
  EXPECT_EQ(Count(4), "2");
  EXPECT_EQ(model.SectionContents[4].back().ValueName, "C:\\gone1.dll");
}

}  // namespace
}  // namespace halvex::testing
