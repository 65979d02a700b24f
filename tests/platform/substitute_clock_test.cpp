// The substitute clock's time zone, and the fixed date and time form of the substitute locale.
#include <gtest/gtest.h>

#include "platform/substitute/civil_time.h"
#include "platform/substitute/fixed_clock.h"
#include "platform/substitute/substitute_locale.h"

namespace halvex::platform::substitute {
namespace {

// 2009-07-25 12:34:56.789 UTC.
constexpr FileTime kKnown = 128929988967890000ull;

TEST(FixedClockTest, StandsStillUntilMoved) {
  FixedClock clock;
  EXPECT_EQ(clock.Now(), kDefaultNow);
  clock.SetNow({2030, 2, 28, 23, 59, 58, 500});
  EXPECT_EQ(clock.Now(), (LocalTime{2030, 2, 28, 23, 59, 58, 500}));
}

TEST(FixedClockTest, TheTickCountMovesOnByItsStepAtEveryReading) {
  FixedClock clock;
  EXPECT_EQ(clock.TickCount(), 0u);
  EXPECT_EQ(clock.TickCount(), kDefaultTickStep);
  clock.SetTickStep(0);
  clock.AdvanceTick(5);
  EXPECT_EQ(clock.TickCount(), 2 * kDefaultTickStep + 5);
  EXPECT_EQ(clock.TickCount(), 2 * kDefaultTickStep + 5) << "a step of 0 stops it";
  clock.SetTick(0xFFFFFFFFu);
  clock.SetTickStep(2);
  EXPECT_EQ(clock.TickCount(), 0xFFFFFFFFu);
  EXPECT_EQ(clock.TickCount(), 1u) << "it wraps as the system's does";
}

TEST(FixedClockTest, ShowsFileTimesAtItsOffsetFromUtc) {
  struct Case {
    int offsetMinutes;
    LocalTime local;
  };
  const Case cases[] = {
      {0, {2009, 7, 25, 12, 34, 56, 789}},
      {60, {2009, 7, 25, 13, 34, 56, 789}},
      {-300, {2009, 7, 25, 7, 34, 56, 789}},
      {+720, {2009, 7, 26, 0, 34, 56, 789}},  // across midnight
      {-750, {2009, 7, 25, 0, 4, 56, 789}},
      {330, {2009, 7, 25, 18, 4, 56, 789}},  // half-hour zones
  };
  for (const Case& c : cases) {
    FixedClock clock(kDefaultNow, c.offsetMinutes);
    EXPECT_EQ(clock.FileTimeToLocal(kKnown), c.local) << "offset " << c.offsetMinutes;
  }
}

TEST(FixedClockTest, RefusesTimesTheOffsetPushesOutOfRange) {
  EXPECT_EQ(FixedClock(kDefaultNow, -60).FileTimeToLocal(0), std::nullopt);
  EXPECT_EQ(FixedClock(kDefaultNow, 0).FileTimeToLocal(0), (LocalTime{1601, 1, 1, 0, 0, 0, 0}));
  EXPECT_EQ(FixedClock(kDefaultNow, 60).FileTimeToLocal(kLargestFileTime), std::nullopt);
  EXPECT_TRUE(FixedClock(kDefaultNow, 0).FileTimeToLocal(kLargestFileTime).has_value());
}

TEST(CivilTimeTest, CalendarFieldsAndFileTimesConvertBothWays) {
  const LocalTime times[] = {{1601, 1, 1, 0, 0, 0, 0},       {1970, 1, 1, 0, 0, 0, 0},
                             {2000, 2, 29, 23, 59, 59, 999}, {2009, 7, 25, 12, 34, 56, 789},
                             {2100, 3, 1, 1, 2, 3, 4},       {30827, 12, 31, 23, 59, 59, 999}};
  for (const LocalTime& time : times) {
    const std::optional<FileTime> fileTime = FieldsToFileTime(time);
    ASSERT_TRUE(fileTime.has_value()) << time.year;
    EXPECT_EQ(FileTimeToFields(*fileTime), time) << time.year;
  }
  EXPECT_EQ(FieldsToFileTime({2009, 7, 25, 12, 34, 56, 789}), kKnown);
  EXPECT_EQ(FieldsToFileTime({1970, 1, 1, 0, 0, 0, 0}), 116444736000000000ull);
  for (const LocalTime& invalid :
       {LocalTime{2100, 2, 29, 0, 0, 0, 0}, LocalTime{2026, 4, 31, 0, 0, 0, 0},
        LocalTime{1600, 12, 31, 0, 0, 0, 0}, LocalTime{2026, 1, 1, 24, 0, 0, 0},
        LocalTime{2026, 1, 1, 0, 60, 0, 0}, LocalTime{2026, 1, 1, 0, 0, 0, 1000}}) {
    EXPECT_EQ(FieldsToFileTime(invalid), std::nullopt)
        << invalid.year << "-" << invalid.month << "-" << invalid.day;
  }
}

TEST(SubstituteLocaleTest, FormatsMonthFirstWithATwentyFourHourClock) {
  SubstituteLocale locale;
  EXPECT_EQ(locale.FormatDateTime({2026, 10, 12, 10, 51, 59, 0}), "10/12/2026 10:51:59");
  EXPECT_EQ(locale.FormatDateTime({2026, 3, 4, 21, 5, 6, 999}), "03/04/2026 21:05:06");
  EXPECT_EQ(locale.FormatDateTime({2026, 2, 30, 0, 0, 0, 0}), "");
}

}  // namespace
}  // namespace halvex::platform::substitute
