// Opening addresses in the browser: the addresses come from settings any program of the user can
// write, and the copy that stays running may be elevated, so only web addresses are handed to
// the shell.
#include <gtest/gtest.h>

#include <ostream>

#include "app/shared/browser.h"
#include "platform/substitute/recording_process_starter.h"

namespace halvex::testing {
namespace {

struct AddressCase {
  const char* address;
  bool opens;
};

void PrintTo(const AddressCase& c, std::ostream* os) {
  *os << '"' << c.address << '"';
}

class OpenUrlInBrowserTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(OpenUrlInBrowserTest, OpensWebAddressesOnlyAndStartsNothingElse) {
  const AddressCase c = GetParam();
  platform::substitute::RecordingProcessStarter processes;
  EXPECT_EQ(app::OpenUrlInBrowser(processes, c.address), c.opens) << c.address;
  if (c.opens) {
    ASSERT_EQ(processes.started().size(), 1u) << c.address;
    EXPECT_EQ(processes.started()[0], (platform::ProcessStart{.file = c.address, .verb = "open"}));
  } else {
    EXPECT_TRUE(processes.started().empty())
        << c.address << " started " << processes.started()[0].file;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, OpenUrlInBrowserTest,
    ::testing::Values(AddressCase{"http://www.halvex.example/", true},
                      AddressCase{"https://www.halvex.example/help", true},
                      AddressCase{"HTTP://WWW.HALVEX.EXAMPLE/", true},
                      AddressCase{"HttpS://www.halvex.example/", true}, AddressCase{"", false},
                      AddressCase{"C:\\Windows\\System32\\cmd.exe", false},
                      AddressCase{"calc.exe", false},
                      AddressCase{"file:///C:/Windows/System32/cmd.exe", false},
                      AddressCase{"\\\\server\\share\\tool.exe", false},
                      AddressCase{"ftp://files.example/", false},
                      AddressCase{"javascript:alert(1)", false}, AddressCase{"http:", false},
                      AddressCase{" http://www.halvex.example/", false},
                      AddressCase{"httpx://www.halvex.example/", false}));

}  // namespace
}  // namespace halvex::testing
