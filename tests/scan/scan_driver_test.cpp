// The section loop: which sections run, stopping on Abort, and surviving a broken section.
#include "scan/scan_driver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>
#include <stdexcept>

#include "tests/scan/scan_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kSharedDlls =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";

class ScanDriver : public ::testing::Test {
 protected:
  void AddBrokenSharedDlls(int count) {
    for (int i = 0; i < count; ++i) {
      machine.SetDword(kSharedDlls, "C:\\gone" + std::to_string(i) + ".dll", 1);
    }
  }
  scan::ScanOutcome Scan(const scan::SectionChoice& choice = scan::AllSections()) {
    scan::ScanContext context = run.context();
    return scan::ScanAllSections(context, choice);
  }

  ScratchMachine machine{{}, kScanDrives};
  ScanRun run{machine};
};

TEST_F(ScanDriver, RunsEveryChosenSectionInOrder) {
  AddBrokenSharedDlls(2);
  EXPECT_TRUE(Scan().ignoreListRead);
  std::vector<int> all(17);
  std::iota(all.begin(), all.end(), 1);
  EXPECT_EQ(run.frontEnd.started, all);
  EXPECT_THAT(run.frontEnd.skipped, IsEmpty());
  EXPECT_EQ(run.frontEnd.finished.at(3), (std::pair<int, std::size_t>{4, 2}));
  EXPECT_EQ(run.model.TotalProblemCount(), 2u);
  EXPECT_EQ(run.model.SectionContents[4][1].ProblemNo, 2);
}

TEST_F(ScanDriver, WithNoSectionChosenNothingIsScanned) {
  AddBrokenSharedDlls(2);
  (void)Scan(scan::SectionChoice{});
  EXPECT_THAT(run.frontEnd.started, IsEmpty());
  EXPECT_EQ(run.frontEnd.skipped.size(), 17u);
  EXPECT_EQ(run.model.TotalProblemCount(), 0u);
}

TEST_F(ScanDriver, ResetsTheCountersOfTheScan) {
  run.model.counters.problemCounter = 40;
  run.model.counters.visitCounter = 7;
  AddBrokenSharedDlls(1);
  scan::SectionChoice sharedDllsOnly{};
  sharedDllsOnly[3] = true;
  (void)Scan(sharedDllsOnly);
  EXPECT_EQ(run.model.SectionContents[4][0].ProblemNo, 1);
  // Shared DLLs walks no keys that count visits, so the count stays at its reset.
  EXPECT_EQ(run.model.counters.visitCounter, 0);
}

TEST_F(ScanDriver, EmptiesEachChosenSectionBeforeItsRoutineRuns) {
  // Left from an earlier scan: section 3's routine adds nothing here, section 4's finds one
  // problem, section 5 is not chosen.
  for (const int section : {3, 4, 5}) {
    run.model.SectionContents[static_cast<std::size_t>(section)].push_back(
        model::registry_content::TContent{});
  }
  AddBrokenSharedDlls(1);
  scan::SectionChoice choice{};
  choice[2] = choice[3] = true;
  (void)Scan(choice);
  EXPECT_THAT(run.model.SectionContents[3], IsEmpty());
  EXPECT_EQ(run.model.SectionContents[4].size(), 1u) << "only what this scan found";
  EXPECT_EQ(run.model.SectionContents[5].size(), 1u) << "an unchosen section is not scanned";
}

TEST_F(ScanDriver, AbortKeepsWhatWasFoundAndScansNoFurther) {
  AddBrokenSharedDlls(5);
  // The user presses Abort while section 4 handles its third entry (the walking sections before
  // it pump too).
  run.frontEnd.onProcessMessages = [this, sharedDllsPumps = 0]() mutable {
    if (run.frontEnd.started.back() == 4 && ++sharedDllsPumps == 3) {
      run.model.abortFlag = model::abort_flag::kStopScan;
    }
  };
  (void)Scan();
  EXPECT_EQ(run.model.SectionContents[4].size(), 3u);
  EXPECT_EQ(run.frontEnd.started.back(), 4) << "no section after the aborted one starts";
  EXPECT_EQ(run.frontEnd.finished.back(), (std::pair<int, std::size_t>{4, 3}));
}

TEST_F(ScanDriver, AnErrorInOneSectionEndsOnlyThatSection) {
  AddBrokenSharedDlls(3);
  // Something inside section 4 fails after it found one problem.
  run.frontEnd.onProcessMessages = [this] {
    if (run.frontEnd.started.back() == 4) throw std::runtime_error("Invalid data type for 'x'");
  };
  (void)Scan();
  ASSERT_EQ(run.frontEnd.failures.size(), 1u);
  EXPECT_EQ(run.frontEnd.failures[0],
            (std::pair<int, std::string>{4, "Invalid data type for 'x'"}));
  EXPECT_EQ(run.model.SectionContents[4].size(), 1u) << "what the section found stays";
  EXPECT_EQ(run.frontEnd.started.back(), 17) << "the later sections still run";
}

}  // namespace
}  // namespace halvex::testing
