// The result list's rows as the repair sees them.
#include "model/result_rows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;

TEST(ResultRowSections, AllProblemsFirstThenSectionsWithProblemsAscending) {
  model::ScanModel model;
  EXPECT_THAT(model::ResultRowSections(model), ElementsAre()) << "no problems, no rows";
  model.SectionContents[10].emplace_back();
  model.SectionContents[4].resize(3);
  model.SectionContents[17].emplace_back();
  EXPECT_THAT(model::ResultRowSections(model), ElementsAre(0, 4, 10, 17));
}

}  // namespace
}  // namespace halvex::testing
