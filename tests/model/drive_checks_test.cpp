// The drives the scan leaves alone, and the other tests by which scanners skip an entry.
#include "model/drive_checks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/abort_flag.h"
#include "model/skip_tests.h"
#include "tests/support/scratch_machine.h"

namespace halvex::model {
namespace {

using platform::DriveType;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class DriveChecksTest : public ::testing::Test {
 protected:
  DriveChecksTest()
      : machine({}, {{'A', DriveType::Removable},
                     {'C', DriveType::Fixed},
                     {'D', DriveType::CdRom},
                     {'E', DriveType::Fixed},
                     {'F', DriveType::Remote},
                     {'G', DriveType::Removable},
                     {'H', DriveType::RamDisk},
                     {'K', DriveType::Unknown},
                     {'Z', DriveType::CdRom}}) {}

  testing::ScratchMachine machine;
};

TEST_F(DriveChecksTest, RemovableRemoteCdRomAndRamDrivesFromCOnAreExcluded) {
  EXPECT_THAT(BuildExcludedDriveList(machine.files(), abort_flag::kRun),
              ElementsAre("D:", "F:", "G:", "H:", "Z:"));
  EXPECT_THAT(BuildExcludedDriveList(machine.files(), abort_flag::kStopScan),
              ElementsAre("D:", "F:", "G:", "H:", "Z:"))
      << "only the repair's stop ends the walk";
  EXPECT_THAT(BuildExcludedDriveList(machine.files(), abort_flag::kStopRepair), IsEmpty());
}

TEST_F(DriveChecksTest, AnExcludedDriveAnywhereInTheTextMakesItUnscannable) {
  const ExcludedDriveList excluded = {"D:", "F:"};
  struct Case {
    const char* text;
    bool scannable;
  };
  const Case cases[] = {
      {"C:\\Tools\\a.exe", true},
      {"C:\\Tools\\a.exe /data=d:\\x", false},  // later in the text, and in lower case
      {"D:\\setup.exe", false},
      {"f:", false},
      {"E:\\a.exe", true},
      {"", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsOnScannableDrive(machine.locale, excluded, c.text), c.scannable) << c.text;
  }
  EXPECT_TRUE(IsOnScannableDrive(machine.locale, {}, "D:\\setup.exe")) << "an empty list";
}

TEST_F(DriveChecksTest, SkipTestsAreSubstringTests) {
  struct Case {
    const char* text;
    bool floppy;
    bool network;
    bool driver;
  };
  const Case cases[] = {
      {"C:\\App\\a.exe", false, false, false},
      {"a:\\setup.exe", true, false, false},
      {"C:\\DATA:x", true, false, false},  // "A:" anywhere
      {"\\\\server\\share\\a.exe", false, true, false},
      {"C:\\dir\\\\a.exe", false, true, false},
      {"C:\\WINDOWS\\system32\\drivers\\x.SYS", false, false, true},
      {"C:\\WINDOWS\\SYSTEM\\x.vxd", false, false, true},
      {"C:\\x.sysdata", false, false, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsFloppyReference(machine.locale, c.text), c.floppy) << c.text;
    EXPECT_EQ(IsNetworkReference(c.text), c.network) << c.text;
    EXPECT_EQ(IsDriverReference(machine.locale, c.text), c.driver) << c.text;
  }
}

}  // namespace
}  // namespace halvex::model
