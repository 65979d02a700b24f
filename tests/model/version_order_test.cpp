// Which of two version texts is the newer one.
#include "model/version_order.h"

#include <gtest/gtest.h>

namespace halvex::model {
namespace {

struct VersionCase {
  const char* offered;
  const char* installed;
  bool newer;
};

TEST(VersionOrderTest, ComparesFieldsAsNumbersAndFallsBackToTheText) {
  const VersionCase cases[] = {
      {"3.1", "3.0", true},   {"3.0", "3.0", false},
      {"10.0", "3.0", true},  // by characters "1" < "3"; as numbers 10 > 3
      {"3.0", "10.0", false}, {"3.0.1", "3.0", true},
      {"3", "3.0", false},  // a missing field counts as 0
      {"3.0", "3", false},    {"3.10", "3.9", true},
      {"03.1", "3.1", false},                           // leading zeros do not make a number bigger
      {"2.9", "3.0", false},  {"3.0b", "3.0", true},    // not a number: "3.0b" > "3.0" as text
      {"3.0", "3.0b", false}, {"10.0b", "3.0", false},  // the text fallback: "1" < "3"
      {"3..1", "3.0", false},  // an empty field is no number: the text decides
      {"\xE9", "3.0", true},   // 8-bit texts compare as unsigned bytes
      {"3.0", "", true},       // an empty installed version is older
      {"", "3.0", false},      // the server names no version
      {"", "", false},
  };
  for (const VersionCase& c : cases) {
    EXPECT_EQ(IsNewerVersion(c.offered, c.installed), c.newer)
        << "offered \"" << c.offered << "\" against installed \"" << c.installed << "\"";
  }
}

}  // namespace
}  // namespace halvex::model
