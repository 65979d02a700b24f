// Excluding a problem from the results: the ignore line first, then the problem leaves its
// section, found through the aggregate's copy when "All Problems" is shown.
#include "model/problem_exclusion.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/scratch_machine.h"

namespace halvex::testing {
namespace {

using model::ExclusionOutcome;
using ::testing::ElementsAre;

constexpr const char* kIgnoreFile = "C:\\Program Files\\Halvex\\HalvoIgnores.dat";

class ProblemExclusion : public ::testing::Test {
 protected:
  void SetUp() override {
    machine.AddFolder("C:\\Program Files\\Halvex");
    // Section 4 finds two problems, section 10 one; the aggregate holds copies of all three.
    Add(4, "HKEY_LOCAL_MACHINE\\Dlls", "C:\\a.dll");
    Add(10, "HKEY_LOCAL_MACHINE\\Paths\\b.exe", "");
    Add(4, "HKEY_LOCAL_MACHINE\\Dlls", "C:\\c.dll");
    model.RebuildAllProblems();
  }
  void Add(int section, std::string keyPath, std::string valueName) {
    model::registry_content::TContent problem;
    problem.KeyPath = std::move(keyPath);
    problem.ValueName = std::move(valueName);
    (void)model::AddProblem(model.SectionContents[static_cast<std::size_t>(section)],
                            model.counters, true, std::move(problem));
  }
  std::vector<std::string> ValueNames(int section) const {
    std::vector<std::string> names;
    for (const auto& problem : model.SectionContents[static_cast<std::size_t>(section)]) {
      names.push_back(problem.ValueName);
    }
    return names;
  }

  ScratchMachine machine;
  model::ScanModel model;
};

TEST_F(ProblemExclusion, FromASectionStoresTheLineAndTakesTheProblemOut) {
  const model::Exclusion done = model::ExcludeProblem(machine.files(), model, 4, 1);
  EXPECT_EQ(done.outcome, ExclusionOutcome::Excluded);
  EXPECT_EQ(done.section, 4);
  EXPECT_EQ(machine.Read(kIgnoreFile),
            "Shared DLL's Sections|HKEY_LOCAL_MACHINE\\Dlls|C:\\c.dll\r\n");
  EXPECT_THAT(ValueNames(4), ElementsAre("C:\\a.dll"));
  EXPECT_EQ(model.SectionContents[0].size(), 3u) << "the aggregate is not shown: left as it was";
}

TEST_F(ProblemExclusion, FromAllProblemsExcludesTheOriginalOfTheCopy) {
  // The aggregate lists section 4's problems before section 10's: row 2 is section 10's.
  const model::Exclusion done = model::ExcludeProblem(machine.files(), model, 0, 2);
  EXPECT_EQ(done.outcome, ExclusionOutcome::Excluded);
  EXPECT_EQ(done.section, 10);
  EXPECT_EQ(machine.Read(kIgnoreFile), "Application Paths|HKEY_LOCAL_MACHINE\\Paths\\b.exe|\r\n");
  EXPECT_TRUE(model.SectionContents[10].empty());
  EXPECT_THAT(ValueNames(0), ElementsAre("C:\\a.dll", "C:\\c.dll")) << "the aggregate is rebuilt";
}

TEST_F(ProblemExclusion, AnExclusionThatCannotBeStoredKeepsTheProblem) {
  // A folder where the ignore file should be: the line cannot be appended.
  machine.AddFolder(kIgnoreFile);
  EXPECT_EQ(model::ExcludeProblem(machine.files(), model, 4, 0).outcome,
            ExclusionOutcome::NotStored);
  EXPECT_THAT(ValueNames(4), ElementsAre("C:\\a.dll", "C:\\c.dll"));
}

TEST_F(ProblemExclusion, AProblemTheIgnoreLineCannotHoldStaysListed) {
  // Key names may hold "|", which the line reads as the end of the key path.
  Add(10, "HKEY_LOCAL_MACHINE\\Paths\\a|b.exe", "");
  EXPECT_EQ(model::ExcludeProblem(machine.files(), model, 10, 1).outcome,
            ExclusionOutcome::NotStored);
  EXPECT_EQ(model.SectionContents[10].size(), 2u);
  EXPECT_FALSE(machine.files().FileExists(kIgnoreFile));
}

TEST_F(ProblemExclusion, ARowThatIsNotThereExcludesNothing) {
  const std::pair<int, std::size_t> missing[] = {{4, 2}, {0, 3}, {5, 0}, {18, 0}, {-1, 0}};
  for (const auto& [section, index] : missing) {
    EXPECT_EQ(model::ExcludeProblem(machine.files(), model, section, index).outcome,
              ExclusionOutcome::NoProblem)
        << "section " << section << ", row " << index;
  }
  EXPECT_EQ(machine.Read(kIgnoreFile), "<missing>");
  EXPECT_EQ(model.TotalProblemCount(), 3u);
}

}  // namespace
}  // namespace halvex::testing
