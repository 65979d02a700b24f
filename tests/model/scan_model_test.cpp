#include "model/scan_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvex::model {
namespace {

using registry_content::TContent;
using ::testing::ElementsAre;

TContent Problem(std::string keyPath, std::string valueName = "v") {
  TContent problem;
  problem.KeyPath = std::move(keyPath);
  problem.ValueName = std::move(valueName);
  problem.DetailKeyPath = " Key Path:" + problem.KeyPath;
  return problem;
}

// The ProblemNo of every record of a collection, in order.
std::vector<std::int32_t> Numbers(const TRegistryContents& contents) {
  std::vector<std::int32_t> numbers;
  for (const TContent& problem : contents) numbers.push_back(problem.ProblemNo);
  return numbers;
}

std::vector<bool> Marks(const TRegistryContents& contents) {
  std::vector<bool> marks;
  for (const TContent& problem : contents) marks.push_back(problem.Marked);
  return marks;
}

class ScanModelTest : public ::testing::Test {
 protected:
  // Adds `count` problems to the section, marked for repair.
  void Add(int section, int count) {
    for (int i = 0; i < count; ++i) {
      (void)AddProblem(
          model.SectionContents[section], model.counters, /*selectAll=*/true,
          Problem("HKEY_LOCAL_MACHINE\\S" + std::to_string(section) + "\\" + std::to_string(i)));
    }
  }

  ScanModel model;
};

TEST_F(ScanModelTest, WithNoProblemsTheCountIsZeroAndTheAggregateStaysEmpty) {
  EXPECT_EQ(model.TotalProblemCount(), 0u);
  model.RebuildAllProblems();
  EXPECT_TRUE(model.SectionContents[kAllProblemsSection].empty());
}

TEST_F(ScanModelTest, AddProblemKeepsTheSectionsFieldsAndNumbersAcrossSections) {
  Add(1, 4);
  Add(2, 3);
  Add(3, 3);
  TContent found = Problem(
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls", "C:\\x.dll");
  found.ItemName = "SharedDlls";
  found.ValueData = "1";
  found.DetailProblem = " The file (C:\\x.dll) does not exist at the specified location";
  found.ProblemNo = 99;  // overwritten: the number comes from the counter
  const std::size_t index = AddProblem(model.SectionContents[4], model.counters, true, found);
  Add(4, 1);

  EXPECT_EQ(index, 0u);
  EXPECT_THAT(Numbers(model.SectionContents[4]), ElementsAre(11, 12))
      << "numbering goes on from the 10 problems of sections 1 to 3";
  TContent expected = found;
  expected.Marked = true;
  expected.ProblemNo = 11;
  EXPECT_EQ(model.SectionContents[4][0], expected);
  EXPECT_EQ(model.counters.problemCounter, 12);
}

TEST_F(ScanModelTest, NewProblemsAreMarkedExactlyWhenSelectAllIsOn) {
  for (const bool selectAll : {true, false}) {
    TContent problem = Problem("HKEY_CURRENT_USER\\x");
    problem.Marked = !selectAll;
    (void)AddProblem(model.SectionContents[2], model.counters, selectAll, problem);
    EXPECT_EQ(model.SectionContents[2].back().Marked, selectAll) << "SelectAll " << selectAll;
  }
}

TEST_F(ScanModelTest, TotalCountLeavesOutTheAggregate) {
  Add(1, 2);
  Add(17, 3);
  model.RebuildAllProblems();
  EXPECT_EQ(model.SectionContents[kAllProblemsSection].size(), 5u);
  EXPECT_EQ(model.TotalProblemCount(), 5u);
}

TEST_F(ScanModelTest, ClearEmptiesEverySectionAndTheAggregate) {
  for (int section = 1; section <= kSectionCount; ++section) Add(section, 1);
  model.RebuildAllProblems();
  model.ClearSectionProblems();
  for (int section = 0; section <= kSectionCount; ++section) {
    EXPECT_TRUE(model.SectionContents[section].empty()) << "section " << section;
  }
}

TEST_F(ScanModelTest, AggregateGroupsBySectionInAscendingOrder) {
  // Found in a scan order that differs from the section order.
  Add(9, 1);
  Add(2, 2);
  Add(17, 1);
  Add(2, 1);
  model.RebuildAllProblems();
  model.RebuildAllProblems();  // a second rebuild replaces, it does not append
  EXPECT_THAT(Numbers(model.SectionContents[kAllProblemsSection]), ElementsAre(2, 3, 5, 1, 4));
  EXPECT_EQ(model.SectionContents[kAllProblemsSection][0], model.SectionContents[2][0]);
}

TEST_F(ScanModelTest, UnmarkingInTheAggregateUnmarksTheSectionRecord) {
  Add(3, 2);
  Add(5, 2);
  model.RebuildAllProblems();
  ASSERT_TRUE(model.SetProblemMarked(kAllProblemsSection, 3, false));  // section 5, item 1
  EXPECT_THAT(Marks(model.SectionContents[kAllProblemsSection]),
              ElementsAre(true, true, true, false));
  EXPECT_THAT(Marks(model.SectionContents[5]), ElementsAre(true, false));
  EXPECT_THAT(Marks(model.SectionContents[3]), ElementsAre(true, true));
}

TEST_F(ScanModelTest, MarkingInASectionReachesTheAggregateOnlyByRebuilding) {
  Add(6, 2);
  model.RebuildAllProblems();
  ASSERT_TRUE(model.SetProblemMarked(6, 0, false));
  EXPECT_THAT(Marks(model.SectionContents[6]), ElementsAre(false, true));
  EXPECT_THAT(Marks(model.SectionContents[kAllProblemsSection]), ElementsAre(true, true))
      << "the aggregate holds copies";
  model.RebuildAllProblems();
  EXPECT_THAT(Marks(model.SectionContents[kAllProblemsSection]), ElementsAre(false, true));
}

TEST_F(ScanModelTest, MarkingANonexistentProblemChangesNothing) {
  Add(1, 1);
  model.RebuildAllProblems();
  const auto before = model.SectionContents;
  struct Case {
    int section;
    std::size_t index;
  };
  for (const Case c : {Case{-1, 0}, Case{18, 0}, Case{1, 1}, Case{2, 0}, Case{0, 1}}) {
    EXPECT_FALSE(model.SetProblemMarked(c.section, c.index, false))
        << "section " << c.section << " index " << c.index;
  }
  EXPECT_EQ(model.SectionContents, before);
}

TEST_F(ScanModelTest, ResettingTheCountersRestartsNumbering) {
  Add(1, 3);
  model.counters.visitCounter = 400;
  model.ClearSectionProblems();
  model.counters.Reset();
  Add(1, 1);
  EXPECT_THAT(Numbers(model.SectionContents[1]), ElementsAre(1));
  EXPECT_EQ(model.counters.visitCounter, 0);
}

}  // namespace
}  // namespace halvex::model
