// The restore point tool's listing over the substitute restore service.
#include "tools/restore_points/restore_point_rows.h"

#include <gtest/gtest.h>

#include "platform/substitute/substitute_restore_points.h"
#include "tests/support/scratch_machine.h"

namespace halvex::tools::restore_points {
namespace {

using Operation = platform::substitute::SubstituteRestorePoints::Operation;

class RestorePointRows : public ::testing::Test {
 protected:
  void WritePoints(std::string_view text) { machine.AddFile(service.StorePath(), text); }
  RestorePointList List() { return ListRestorePoints(service, machine.clock, machine.locale); }

  testing::ScratchMachine machine;
  platform::substitute::SubstituteRestorePoints service{machine.files(), machine.clock};
};

TEST_F(RestorePointRows, CreationTimeIsShownInTheLocalTimeZone) {
  // 14:25:07 at UTC+8 is 06:25:07 UTC.
  const struct {
    int utcOffset;
    platform::LocalTime expected;
  } zones[] = {{0, {2024, 1, 31, 6, 25, 7, 0}},
               {-300, {2024, 1, 31, 1, 25, 7, 0}},
               {480, {2024, 1, 31, 14, 25, 7, 0}}};
  for (const auto& zone : zones) {
    machine.clock.SetUtcOffset(zone.utcOffset);
    EXPECT_EQ(CreationTimeToLocal(machine.clock, "20240131142507.000000+480"), zone.expected)
        << "UTC offset " << zone.utcOffset;
  }
}

TEST_F(RestorePointRows, ATextThatDoesNotSplitHasNoTime) {
  for (const char* text :
       {"", "20240131142507.000000+48", "20240131142507.000000*480", "2024013114250x.000000+480",
        "20240231142507.000000+480", "20240131242507.000000+480", "20240131142507,000000+480",
        "20240131142507.000000+480 "}) {
    EXPECT_EQ(CreationTimeToLocal(machine.clock, text), std::nullopt) << '"' << text << '"';
  }
}

TEST_F(RestorePointRows, ListsOnlyCompletePointsThatAreNotCancelled) {
  WritePoints(
      "[1]\r\nCreationTime=20240131142507.000000+000\r\nRestorePointType=0\r\n"
      "Description=Installed Alpha\r\n"
      "[2]\r\nCreationTime=20240131142507.000000+000\r\nRestorePointType=13\r\n"
      "Description=Cancelled\r\n"
      "[3]\r\nCreationTime=20240131142507.000000+000\r\nRestorePointType=0\r\n"
      "Description=   \r\n"
      "[4]\r\nCreationTime=2024-01-31 14:25\r\nRestorePointType=0\r\nDescription=Bad time\r\n"
      "[5]\r\nRestorePointType=0\r\nDescription=No time\r\n"
      "[6]\r\nCreationTime=20240201080000.000000-060\r\nRestorePointType=12\r\n"
      "Description=Manual\r\n");
  const RestorePointList list = List();
  EXPECT_EQ(list.error, "");
  ASSERT_EQ(list.rows.size(), 2u);
  EXPECT_EQ(list.rows[0], (RestorePointRow{"Installed Alpha", "01/31/2024 14:25:07", "1", 0}));
  EXPECT_EQ(list.rows[1], (RestorePointRow{"Manual", "02/01/2024 09:00:00", "6", 12}));
}

TEST_F(RestorePointRows, AnErrorRaisedByTheServiceComesBackWithNoRows) {
  service.ScriptError(Operation::List, "Invalid namespace");
  const RestorePointList list = List();
  EXPECT_TRUE(list.rows.empty());
  EXPECT_EQ(list.error, "Invalid namespace");
}

TEST_F(RestorePointRows, CreatedPointsAreListedAndDeletedOnesGo) {
  machine.clock.SetUtcOffset(60);
  machine.clock.SetNow({2026, 1, 15, 12, 0, 0, 0});
  EXPECT_TRUE(
      service.Create("", platform::kApplicationInstall, platform::kBeginSystemChange).succeeded());
  EXPECT_TRUE(service.Create("Before the cleanup", 0, 100).succeeded());
  RestorePointList list = List();
  ASSERT_EQ(list.rows.size(), 1u) << "a point without a description is not listed";
  EXPECT_EQ(list.rows[0], (RestorePointRow{"Before the cleanup", "01/15/2026 12:00:00", "2", 0}));
  EXPECT_TRUE(service.Delete(2).succeeded());
  EXPECT_EQ(service.Delete(2).result, 2) << "a point that is gone cannot be deleted again";
  EXPECT_TRUE(List().rows.empty());
}

TEST_F(RestorePointRows, SequenceNumbersAreWholeNumbers) {
  EXPECT_EQ(SequenceOf("12"), 12u);
  EXPECT_EQ(SequenceOf(" 12 "), 12u);
  EXPECT_EQ(SequenceOf("12a"), std::nullopt);
  EXPECT_EQ(SequenceOf("-1"), std::nullopt);
  EXPECT_EQ(SequenceOf(""), std::nullopt);
}

}  // namespace
}  // namespace halvex::tools::restore_points
