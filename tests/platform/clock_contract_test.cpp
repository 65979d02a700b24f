// The platform clock, checked the same way on every binding. The local time zone differs
// between machines, so the cases hold only what every zone keeps: seconds and milliseconds, and
// an offset of at most 14 hours.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/platform/platform_bindings.h"

namespace halvex::testing {
namespace {

class ClockContract : public ::testing::TestWithParam<ClockBinding> {
 protected:
  void SetUp() override { clock_ = GetParam().make(); }
  platform::Clock& clock() { return *clock_; }

 private:
  std::unique_ptr<platform::Clock> clock_;
};

// Minutes from 2009-07-25 00:00 of a time on 24, 25 or 26 July 2009.
int MinutesFrom25July(const platform::LocalTime& time) {
  return (time.day - 25) * 24 * 60 + time.hour * 60 + time.minute;
}

TEST_P(ClockContract, ConvertsAKnownFileTimeToLocalTime) {
  // 2009-07-25 12:34:56.789 UTC.
  const platform::FileTime known = 128929988967890000ull;
  const auto local = clock().FileTimeToLocal(known);
  ASSERT_TRUE(local.has_value());
  EXPECT_EQ(local->year, 2009);
  EXPECT_EQ(local->month, 7);
  EXPECT_EQ(local->second, 56);
  EXPECT_EQ(local->millisecond, 789);
  const int offset = MinutesFrom25July(*local) - (12 * 60 + 34);
  EXPECT_LE(std::abs(offset), 14 * 60)
      << "local time " << local->day << " " << local->hour << ":" << local->minute;
  // A day and a second later is exactly that much later in the same zone.
  const auto later = clock().FileTimeToLocal(known + 86401ull * 10'000'000);
  ASSERT_TRUE(later.has_value());
  EXPECT_EQ(MinutesFrom25July(*later) - MinutesFrom25July(*local), 24 * 60);
  EXPECT_EQ(later->second, 57);
}

TEST_P(ClockContract, RefusesFileTimesBeyondTheRange) {
  EXPECT_EQ(clock().FileTimeToLocal(0x8000000000000000ull), std::nullopt);
}

TEST_P(ClockContract, NowIsACalendarTime) {
  const platform::LocalTime now = clock().Now();
  EXPECT_GE(now.year, 2000);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  EXPECT_GE(now.day, 1);
  EXPECT_LE(now.day, 31);
  EXPECT_LE(now.hour, 23);
  EXPECT_LE(now.minute, 59);
}

// Read as the scan reads it: differences of readings, taken unsigned, never go back.
TEST_P(ClockContract, TheTickCountNeverGoesBack) {
  std::uint32_t previous = clock().TickCount();
  for (int reading = 0; reading < 1000; ++reading) {
    const std::uint32_t now = clock().TickCount();
    ASSERT_LT(now - previous, 60u * 60u * 1000u) << "reading " << reading << " went back";
    previous = now;
  }
}

HALVEX_RUN_ON_BINDINGS(ClockContract, ClockBindings);

}  // namespace
}  // namespace halvex::testing
