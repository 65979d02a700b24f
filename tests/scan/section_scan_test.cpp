// What every section shares: counting the keys and values a walking section visits.
#include "scan/section_scan.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scan/section_table.h"
#include "tests/scan/scan_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;

TEST(SectionScan, CountVisitShowsEveryTwoHundredthVisitedPath) {
  ScratchMachine machine{{}, kScanDrives};
  ScanRun run{machine};
  scan::ScanContext context = run.context();
  scan::SectionScan scan(context, *scan::FindSection(4), platform::RootKey::LocalMachine);
  for (int visit = 1; visit <= 401; ++visit) scan.CountVisit("key " + std::to_string(visit));
  EXPECT_THAT(run.frontEnd.progress, ElementsAre("key 200", "key 400"));
  EXPECT_EQ(run.model.counters.visitCounter, 401);
}

}  // namespace
}  // namespace halvex::testing
